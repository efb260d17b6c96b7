# SPDX-License-Identifier: MIT
# PANTREX_SANITIZE builds every target of the tree with AddressSanitizer and
# UndefinedBehaviorSanitizer: the first error of either stops the program with a stack trace.
# `scripts/test --asan` makes such a tree in build-asan/.
option(PANTREX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
# What a custom command puts before a program of this tree that it runs during the build.
set(PANTREX_RUN_BUILT "")
if(NOT PANTREX_SANITIZE)
    return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "PANTREX_SANITIZE needs gcc or clang")
endif()

set(PANTREX_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all)
# -O1 keeps the tests quick and the build small; frame pointers give whole stack traces.
add_compile_options(${PANTREX_SANITIZER_FLAGS} -fno-omit-frame-pointer -O1)
add_link_options(${PANTREX_SANITIZER_FLAGS})

# How the programs of this tree run: stop at the first error, look for leaks at exit, and pass over
# the leaks of the system's libraries listed in the suppressions file. Options already in the
# environment come last and so win.
set(PANTREX_LSAN_SUPPRESSIONS ${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp)
set(PANTREX_ASAN_OPTIONS "halt_on_error=1:abort_on_error=1:detect_leaks=1:check_initialization_order=1")
set(PANTREX_UBSAN_OPTIONS "halt_on_error=1:print_stacktrace=1")
set(PANTREX_LSAN_OPTIONS "suppressions=${PANTREX_LSAN_SUPPRESSIONS}:print_suppressions=0")

# ctest sets them itself, so that `ctest --test-dir build-asan` checks as `scripts/test --asan` does.
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/sanitizer-environment.cmake CONTENT [[
set(ENV{ASAN_OPTIONS} "@PANTREX_ASAN_OPTIONS@:$ENV{ASAN_OPTIONS}")
set(ENV{UBSAN_OPTIONS} "@PANTREX_UBSAN_OPTIONS@:$ENV{UBSAN_OPTIONS}")
set(ENV{LSAN_OPTIONS} "@PANTREX_LSAN_OPTIONS@:$ENV{LSAN_OPTIONS}")
]] @ONLY)
set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${PROJECT_BINARY_DIR}/sanitizer-environment.cmake)

# The programs the build itself runs (the icon drawer) check the same way.
set(PANTREX_RUN_BUILT ${CMAKE_COMMAND} -E env "ASAN_OPTIONS=${PANTREX_ASAN_OPTIONS}"
    "UBSAN_OPTIONS=${PANTREX_UBSAN_OPTIONS}" "LSAN_OPTIONS=${PANTREX_LSAN_OPTIONS}")
