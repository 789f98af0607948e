#pragma once

#include <QString>

#include <unistd.h>

// An open file or folder, closed when it goes out of scope; -1 when it could not be opened.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    [[nodiscard]] int fd() const { return m_fd; }
    // A name for it that is plain text whatever its own name.
    [[nodiscard]] QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(m_fd); }

private:
    int m_fd;
};
