# SPDX-License-Identifier: MIT
# Run by cpack once the packages are made (CPACK_POST_BUILD_SCRIPTS). CPack gives a package with a
# shared library in /usr/lib a postinst and a postrm that call ldconfig, and offers no way to leave
# them out. The packages named in CPACK_PANTREX_TRIGGERED_LDCONFIG_PACKAGES activate dpkg's
# ldconfig trigger instead, as Debian wants, so those two scripts are taken out of them again.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    get_filename_component(deb_name "${deb}" NAME)
    string(REGEX REPLACE "_.*" "" package "${deb_name}")
    if(NOT package IN_LIST CPACK_PANTREX_TRIGGERED_LDCONFIG_PACKAGES)
        continue()
    endif()
    set(tree "${deb}.tree")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND dpkg-deb --raw-extract "${deb}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
    file(READ "${tree}/DEBIAN/triggers" triggers)
    if(NOT triggers MATCHES "activate-noawait ldconfig")
        message(FATAL_ERROR "${deb_name} has no ldconfig trigger to take the place of its ldconfig calls")
    endif()
    foreach(script postinst postrm)
        if(EXISTS "${tree}/DEBIAN/${script}")
            file(READ "${tree}/DEBIAN/${script}" text)
            # Only the scripts CPack wrote, which do nothing else.
            string(REGEX REPLACE "#!/bin/sh|set -e|if \\[ \"\\$1\" = \"(configure|remove)\" \\]; then|ldconfig|fi|[ \t\n]" ""
                rest "${text}")
            if(NOT rest STREQUAL "")
                message(FATAL_ERROR "${deb_name}: its ${script} does more than call ldconfig:\n${text}")
            endif()
            file(REMOVE "${tree}/DEBIAN/${script}")
        endif()
    endforeach()
    execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build "${tree}" "${deb}"
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${tree}")
endforeach()
