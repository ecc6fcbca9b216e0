// SPDX-License-Identifier: GPL-3.0-or-later
// A limit on the size files of this process may grow to, as a full disk gives it, for as long as it lives.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace rekko::test {

// Writes beyond the limit fail with EFBIG instead of raising SIGXFSZ; the old limit and handler come back at the end.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_previous(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        m_set = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_previous);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool set() const { return m_set; }

private:
    void (*m_previous)(int);
    rlimit m_old{};
    bool m_set = false;
};

} // namespace rekko::test
