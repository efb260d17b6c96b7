target_sources(pantrex_gui PRIVATE
    help/helptopics.cpp help/helptopics.h
    help/pantabt.cpp help/pantabt.h
    help/panthelp.cpp help/panthelp.h
)
# The about box's link falls back on the user guide in the source tree when none is installed.
set_source_files_properties(help/pantabt.cpp PROPERTIES
    COMPILE_DEFINITIONS "PANTREX_SOURCE_DIR=\"${PROJECT_SOURCE_DIR}\"")
