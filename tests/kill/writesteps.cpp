// SPDX-License-Identifier: MIT
// The calls that change files, caught in front of the C library. Each looks up the next definition
// of its name (a sanitizer's wrapper or the C library itself) and, for a path under the watched
// folder, counts a step around it.
#undef _FORTIFY_SOURCE
#include "writesteps.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>
#include <vector>

namespace pantrex::testing::writesteps {

namespace {

char g_folder[PATH_MAX];
size_t g_folderLength = 0;
std::atomic<bool> g_watching{false};
Mode g_mode = Mode::Count;
int g_at = 0;
std::atomic<int> g_steps{0};
std::atomic<bool> g_full{false};
std::atomic<int> g_refused{0};
bool g_trace = false;

enum class Kind { Write, Create, Link, Rename, Remove, Sync, Truncate, Chmod };

template <typename F> F next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}
#define NEXT(name) static const auto next_##name = next<decltype(&::name)>(#name)

bool under(const char* path) {
    return g_folderLength > 0 && std::strncmp(path, g_folder, g_folderLength) == 0 &&
           (path[g_folderLength] == '/' || path[g_folderLength] == '\0');
}

bool fdPath(int fd, char* out) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, out, PATH_MAX - 1);
    out[length < 0 ? 0 : length] = '\0';
    return length > 0;
}

// The absolute form of a path given relative to a folder descriptor.
void resolve(int dirfd, const char* path, char* out) {
    if (path[0] == '/' || (dirfd != AT_FDCWD && !fdPath(dirfd, out))) {
        std::snprintf(out, PATH_MAX, "%s", path);
        return;
    }
    if (dirfd == AT_FDCWD && !getcwd(out, PATH_MAX))
        out[0] = '\0';
    const size_t length = std::strlen(out);
    std::snprintf(out + length, PATH_MAX - length, "/%s", path);
}

// A full disk has no room for new data or new files. The room for what was written is taken when it
// is written, so a sync, and a name given to a file already written (a link, a rename), need none.
bool needsRoom(Kind kind) {
    return kind == Kind::Write || kind == Kind::Create;
}

enum class Outcome { Go, Half, Fail };

struct Step {
    int number;
    Outcome outcome;
};

Step begin(Kind kind, const char* call, const char* path) {
    const int n = ++g_steps;
    if (g_trace)
        std::fprintf(stderr, "step %d: %s %s\n", n, call, path);
    if (g_mode != Mode::Full || n < g_at || !needsRoom(kind))
        return {n, Outcome::Go};
    const bool first = !g_full.exchange(true);
    return {n, first && kind == Kind::Write ? Outcome::Half : Outcome::Fail};
}

void end(const Step& step) {
    if (g_mode == Mode::Kill && step.number == g_at)
        raise(SIGKILL);
}

template <typename Call> auto around(Kind kind, const char* call, const char* path, Call made) {
    const Step step = begin(kind, call, path);
    if (step.outcome == Outcome::Fail) {
        ++g_refused;
        errno = ENOSPC;
        return decltype(made(false))(-1);
    }
    const auto result = made(step.outcome == Outcome::Half);
    const int error = errno;
    end(step);
    errno = error;
    return result;
}

template <typename Call> auto onPath(Kind kind, const char* call, int dirfd, const char* path, Call made) {
    char absolute[PATH_MAX];
    if (g_watching && path)
        resolve(dirfd, path, absolute);
    if (!g_watching || !path || !under(absolute))
        return made(false);
    return around(kind, call, absolute, made);
}

template <typename Call> auto onFd(Kind kind, const char* call, int fd, Call made) {
    char path[PATH_MAX];
    if (!g_watching || !fdPath(fd, path) || !under(path))
        return made(false);
    return around(kind, call, path, made);
}

// An open counts when it makes a file or empties one.
bool changesFolder(int dirfd, const char* path, int flags) {
    if ((flags & O_TMPFILE) == O_TMPFILE || (flags & O_TRUNC))
        return true;
    struct stat info;
    return (flags & O_CREAT) && fstatat(dirfd, path, &info, 0) != 0;
}

template <typename Open> int opened(int dirfd, const char* path, int flags, Open open) {
    if (!g_watching || !changesFolder(dirfd, path, flags))
        return open();
    return onPath(Kind::Create, "open", dirfd, path, [&](bool) { return open(); });
}

mode_t modeOf(int flags, va_list& arguments) {
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(arguments, int)) : 0;
}

} // namespace

void watch(const char* folder, Mode mode, int at) {
    std::snprintf(g_folder, sizeof g_folder, "%s", folder);
    g_folderLength = std::strlen(g_folder);
    g_mode = mode;
    g_at = at;
    g_trace = std::getenv("PANTREX_KILL_TRACE") != nullptr;
    g_watching = true;
}

void stop() {
    g_watching = false;
}

int count() {
    return g_steps;
}

int refused() {
    return g_refused;
}

} // namespace pantrex::testing::writesteps

using namespace pantrex::testing::writesteps;

extern "C" {

ssize_t write(int fd, const void* buffer, size_t n) {
    NEXT(write);
    return onFd(Kind::Write, "write", fd, [&](bool half) { return next_write(fd, buffer, half && n > 1 ? n / 2 : n); });
}

// Half a gathered write is its first half of the bytes.
ssize_t writev(int fd, const struct iovec* pieces, int count) {
    NEXT(writev);
    return onFd(Kind::Write, "writev", fd, [&](bool half) {
        if (!half)
            return next_writev(fd, pieces, count);
        size_t total = 0;
        for (int i = 0; i < count; ++i)
            total += pieces[i].iov_len;
        std::vector<iovec> first;
        size_t taken = 0;
        for (int i = 0; i < count && taken < total / 2; ++i) {
            const size_t part = std::min(pieces[i].iov_len, total / 2 - taken);
            first.push_back({pieces[i].iov_base, part});
            taken += part;
        }
        return first.empty() ? next_writev(fd, pieces, count) : next_writev(fd, first.data(), int(first.size()));
    });
}

ssize_t pwrite(int fd, const void* buffer, size_t n, off_t offset) {
    NEXT(pwrite);
    return onFd(Kind::Write, "pwrite", fd,
                [&](bool half) { return next_pwrite(fd, buffer, half && n > 1 ? n / 2 : n, offset); });
}

ssize_t pwrite64(int fd, const void* buffer, size_t n, off64_t offset) {
    NEXT(pwrite64);
    return onFd(Kind::Write, "pwrite64", fd,
                [&](bool half) { return next_pwrite64(fd, buffer, half && n > 1 ? n / 2 : n, offset); });
}

int ftruncate(int fd, off_t length) {
    NEXT(ftruncate);
    return onFd(Kind::Truncate, "ftruncate", fd, [&](bool) { return next_ftruncate(fd, length); });
}

int ftruncate64(int fd, off64_t length) {
    NEXT(ftruncate64);
    return onFd(Kind::Truncate, "ftruncate64", fd, [&](bool) { return next_ftruncate64(fd, length); });
}

int fsync(int fd) {
    NEXT(fsync);
    return onFd(Kind::Sync, "fsync", fd, [&](bool) { return next_fsync(fd); });
}

int fdatasync(int fd) {
    NEXT(fdatasync);
    return onFd(Kind::Sync, "fdatasync", fd, [&](bool) { return next_fdatasync(fd); });
}

int fchmod(int fd, mode_t mode) {
    NEXT(fchmod);
    return onFd(Kind::Chmod, "fchmod", fd, [&](bool) { return next_fchmod(fd, mode); });
}

int chmod(const char* path, mode_t mode) {
    NEXT(chmod);
    return onPath(Kind::Chmod, "chmod", AT_FDCWD, path, [&](bool) { return next_chmod(path, mode); });
}

int fchmodat(int dirfd, const char* path, mode_t mode, int flags) {
    NEXT(fchmodat);
    return onPath(Kind::Chmod, "fchmodat", dirfd, path, [&](bool) { return next_fchmodat(dirfd, path, mode, flags); });
}

int open(const char* path, int flags, ...) {
    NEXT(open);
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    return opened(AT_FDCWD, path, flags, [&] { return next_open(path, flags, mode); });
}

int open64(const char* path, int flags, ...) {
    NEXT(open64);
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    return opened(AT_FDCWD, path, flags, [&] { return next_open64(path, flags, mode); });
}

int openat(int dirfd, const char* path, int flags, ...) {
    NEXT(openat);
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    return opened(dirfd, path, flags, [&] { return next_openat(dirfd, path, flags, mode); });
}

int openat64(int dirfd, const char* path, int flags, ...) {
    NEXT(openat64);
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeOf(flags, arguments);
    va_end(arguments);
    return opened(dirfd, path, flags, [&] { return next_openat64(dirfd, path, flags, mode); });
}

int rename(const char* from, const char* to) {
    NEXT(rename);
    return onPath(Kind::Rename, "rename", AT_FDCWD, to, [&](bool) { return next_rename(from, to); });
}

int renameat(int fromDir, const char* from, int toDir, const char* to) {
    NEXT(renameat);
    return onPath(Kind::Rename, "renameat", toDir, to, [&](bool) { return next_renameat(fromDir, from, toDir, to); });
}

int renameat2(int fromDir, const char* from, int toDir, const char* to, unsigned int flags) {
    NEXT(renameat2);
    return onPath(Kind::Rename, "renameat2", toDir, to,
                  [&](bool) { return next_renameat2(fromDir, from, toDir, to, flags); });
}

int link(const char* from, const char* to) {
    NEXT(link);
    return onPath(Kind::Link, "link", AT_FDCWD, to, [&](bool) { return next_link(from, to); });
}

int linkat(int fromDir, const char* from, int toDir, const char* to, int flags) {
    NEXT(linkat);
    return onPath(Kind::Link, "linkat", toDir, to, [&](bool) { return next_linkat(fromDir, from, toDir, to, flags); });
}

int unlink(const char* path) {
    NEXT(unlink);
    return onPath(Kind::Remove, "unlink", AT_FDCWD, path, [&](bool) { return next_unlink(path); });
}

int unlinkat(int dirfd, const char* path, int flags) {
    NEXT(unlinkat);
    return onPath(Kind::Remove, "unlinkat", dirfd, path, [&](bool) { return next_unlinkat(dirfd, path, flags); });
}

} // extern "C"
