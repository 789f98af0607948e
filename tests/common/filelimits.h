#pragma once

// Helpers that make file operations fail the way a full disk or a process out of descriptors
// does, and undo it when they go out of scope. POSIX only.

#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

// No file of this process may grow beyond limit bytes: writes beyond it fail with EFBIG, as on
// a full disk. SIGXFSZ, which would end the process, is ignored meanwhile.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit lowered = m_old;
        lowered.rlim_cur = limit;
        m_ok = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;
    [[nodiscard]] bool isSet() const { return m_ok; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
    bool m_ok = false;
};

// The process may map at most extra bytes beyond what it has mapped now, so that a larger
// allocation fails as on a machine out of memory. AddressSanitizer maps far more than it uses:
// under it the limit is not set.
class MemoryLimit
{
public:
    explicit MemoryLimit(qint64 extra)
    {
#if defined(__SANITIZE_ADDRESS__)
        Q_UNUSED(extra);
#else
        ::getrlimit(RLIMIT_AS, &m_old);
        const qint64 mapped = mappedBytes();
        if (mapped <= 0)
            return;
        rlimit lowered = m_old;
        lowered.rlim_cur = static_cast<rlim_t>(mapped + extra);
        m_ok = ::setrlimit(RLIMIT_AS, &lowered) == 0;
#endif
    }
    ~MemoryLimit()
    {
        if (m_ok)
            ::setrlimit(RLIMIT_AS, &m_old);
    }
    MemoryLimit(const MemoryLimit &) = delete;
    MemoryLimit &operator=(const MemoryLimit &) = delete;
    [[nodiscard]] bool isSet() const { return m_ok; }

private:
    // The size of the process's address space: the first figure of /proc/self/statm, in pages.
    static qint64 mappedBytes()
    {
        QFile statm(QStringLiteral("/proc/self/statm"));
        if (!statm.open(QIODevice::ReadOnly))
            return -1;
        return statm.readLine().split(' ').constFirst().toLongLong() * ::sysconf(_SC_PAGESIZE);
    }

    rlimit m_old{};
    bool m_ok = false;
};

// The process can open no further file: every descriptor below the limit is in use.
class NoMoreFiles
{
public:
    NoMoreFiles()
    {
        ::getrlimit(RLIMIT_NOFILE, &m_old);
        const int lowestFree = ::dup(0);
        if (lowestFree < 0)
            return;
        ::close(lowestFree);
        rlimit lowered = m_old;
        lowered.rlim_cur = static_cast<rlim_t>(lowestFree);
        m_ok = ::setrlimit(RLIMIT_NOFILE, &lowered) == 0;
    }
    ~NoMoreFiles() { ::setrlimit(RLIMIT_NOFILE, &m_old); }
    NoMoreFiles(const NoMoreFiles &) = delete;
    NoMoreFiles &operator=(const NoMoreFiles &) = delete;
    [[nodiscard]] bool isSet() const { return m_ok; }

private:
    rlimit m_old{};
    bool m_ok = false;
};
