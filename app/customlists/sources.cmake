# SPDX-License-Identifier: MIT
target_sources(pantrex_gui PRIVATE
    customlists/customlistchooser.cpp customlists/customlistchooser.h
    customlists/customlistops.cpp customlists/customlistops.h
)
