# SPDX-License-Identifier: MIT
target_sources(pantrex_gui PRIVATE
    customlists/customlistboxes.h
    customlists/customlistcatalog.cpp customlists/customlistcatalog.h
    customlists/customlistchooser.cpp customlists/customlistchooser.h
    customlists/customlistops.cpp customlists/customlistops.h
    customlists/customlistrewrite.cpp
    customlists/customliststore.cpp customlists/customliststore.h
)
