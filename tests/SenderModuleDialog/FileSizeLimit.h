#pragma once

#include <csignal>
#include <sys/resource.h>

// Lowers this process's file-size limit while it lives: a write past the
// limit fails with EFBIG (SIGXFSZ ignored) as on a full disk. IsSet() is
// false when the limit cannot be changed here.
class CFileSizeLimit
{
public:
    explicit CFileSizeLimit(rlim_t nBytes)
    {
        if (getrlimit(RLIMIT_FSIZE, &m_previous) != 0)
            return;
        m_fnPreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_previous;
        limit.rlim_cur = nBytes;
        m_bSet = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~CFileSizeLimit()
    {
        if (m_bSet)
            setrlimit(RLIMIT_FSIZE, &m_previous);
        if (m_fnPreviousHandler != SIG_ERR)
            std::signal(SIGXFSZ, m_fnPreviousHandler);
    }
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

    bool IsSet() const { return m_bSet; }

private:
    rlimit m_previous {};
    void (*m_fnPreviousHandler)(int) = SIG_ERR;
    bool m_bSet = false;
};
