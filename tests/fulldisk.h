#pragma once

#include <csignal>

#include <sys/resource.h>

// A disk that fills up after a few bytes, for as long as it lives: the process may write no file
// beyond that size, as on a full disk every write past the free space fails. The signal that
// limit sends is ignored, so that the write reports the failure instead of ending the process.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes = 64)
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_before;
        limit.rlim_cur = bytes;
        m_set = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_signal);
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool isSet() const { return m_set; }

private:
    rlimit m_before{};
    void (*m_signal)(int) = nullptr;
    bool m_set = false;
};
