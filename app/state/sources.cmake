# SPDX-License-Identifier: MIT
# The values every window shares for the whole run; below the windows, so includes point one way.
target_sources(pantrex_gui PRIVATE
    state/pantmod.h
)
