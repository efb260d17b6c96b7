// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace pantrex::testing {

#ifdef Q_OS_LINUX
// Root passes every permission check through two capabilities; while this lives they are off for
// this thread (still permitted, so they come back afterwards). Tests of read-only files and
// folders hold one so that the permissions they set take effect even when run as root.
class PermissionsEnforced {
public:
    PermissionsEnforced() {
        if (syscall(SYS_capget, &m_header, m_saved) != 0)
            return;
        __user_cap_data_struct reduced[2] = {m_saved[0], m_saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        m_dropped = syscall(SYS_capset, &m_header, reduced) == 0;
    }
    ~PermissionsEnforced() {
        if (m_dropped)
            syscall(SYS_capset, &m_header, m_saved);
    }
    PermissionsEnforced(const PermissionsEnforced&) = delete;
    PermissionsEnforced& operator=(const PermissionsEnforced&) = delete;

private:
    __user_cap_header_struct m_header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_saved[2]{};
    bool m_dropped = false;
};
#else
struct PermissionsEnforced {};
#endif

} // namespace pantrex::testing
