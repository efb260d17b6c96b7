// SPDX-License-Identifier: MIT
#pragma once

namespace pantrex::testing::writesteps {

// Every call through which a process changes a file (write, truncate, sync, create, link, rename,
// remove, change of permissions) on a path under the watched folder is a step, counted from 1 once
// watching starts. The calls are caught by definitions in this program itself, in front of the C
// library (and of a sanitizer's own wrappers), so that Qt's calls are seen too.
enum class Mode {
    Count, // only count
    Kill,  // SIGKILL the process as soon as step `at` has been made
    Full,  // the disk fills up at step `at`: that write gets half its bytes on disk, and from then
           // on every call that needs room fails with ENOSPC
};

// Starts watching folder (an absolute path without symbolic links). With PANTREX_KILL_TRACE set,
// every step is told on standard error.
void watch(const char* folder, Mode mode, int at);
// Stops watching: what the process does from then on is no step.
void stop();
// Steps made so far, and the calls failed for want of room.
int count();
int refused();

} // namespace pantrex::testing::writesteps
