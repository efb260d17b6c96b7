target_sources(pantrex_gui PRIVATE
    customlists/customlistchooser.cpp customlists/customlistchooser.h
)
