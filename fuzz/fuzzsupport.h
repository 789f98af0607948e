#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>

// A broken property of the program: printed and turned into a crash, which libFuzzer records
// together with the input that caused it.
#define ZANT_FUZZ_CHECK(condition, what)                                                         \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "%s:%d: check failed: %s (%s)\n", __FILE__, __LINE__,          \
                         #condition, QString(what).toUtf8().constData());                        \
            std::abort();                                                                        \
        }                                                                                        \
    } while (false)

inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}
