#pragma once

#include <csignal>
#include <sys/resource.h>

// While it lives, no file this process writes, nor any child it starts
// meanwhile, can grow beyond the given size: the write fails as it would on a
// nearly full disk. SIGXFSZ is ignored (children inherit that) so the write
// reports EFBIG instead of killing the writer.
class CFileSizeLimit
{
public:
    explicit CFileSizeLimit(rlim_t nBytes)
    {
        m_bActive = getrlimit(RLIMIT_FSIZE, &m_old) == 0 && nBytes <= m_old.rlim_max;
        if (!m_bActive)
            return;
        m_pfnOldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = nBytes;
        m_bActive = setrlimit(RLIMIT_FSIZE, &limit) == 0;
        if (!m_bActive)
            std::signal(SIGXFSZ, m_pfnOldHandler);
    }
    ~CFileSizeLimit()
    {
        if (m_bActive) {
            setrlimit(RLIMIT_FSIZE, &m_old);
            std::signal(SIGXFSZ, m_pfnOldHandler);
        }
    }
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

    // False where the limit cannot be set; tests skip then.
    bool IsActive() const { return m_bActive; }

private:
    rlimit m_old {};
    void (*m_pfnOldHandler)(int) = SIG_DFL;
    bool m_bActive = false;
};

#define SKIP_UNLESS_LIMITED(limit)                                                                           \
    if (!(limit).IsActive())                                                                                 \
    QSKIP("the file-size limit (RLIMIT_FSIZE) cannot be set here")
