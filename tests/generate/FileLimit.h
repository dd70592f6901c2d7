// Lets a test make writes come up short: while a FileSizeLimit lives, no file
// of this process can grow beyond the given size (the write returns fewer
// bytes instead of raising a signal). Print nothing while it lives.
#pragma once

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_Handler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_Saved);
        rlimit limit = m_Saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_Saved);
        std::signal(SIGXFSZ, m_Handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_Saved{};
    void (*m_Handler)(int) = nullptr;
};
