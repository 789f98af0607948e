#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The bytes of a file; a marker no file of the tests holds when it cannot be read, so that an
// unreadable file never passes for an empty one.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<cannot read>");
    return file.readAll();
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}
