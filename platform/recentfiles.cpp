#include "platform/recentfiles.h"

#include "platform/profile.h"

#include <QFileInfo>

namespace {
const QString Section = QStringLiteral("Recent File List");

QString entryName(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

bool isFile(const QString &path)
{
    return QFileInfo(path).isFile();
}
} // namespace

void RecentFiles::load(IProfile &profile)
{
    m_files.clear();
    for (int i = 0; i < MaxFiles; ++i) {
        const QString path = profile.readString(Section, entryName(i));
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
    m_files.removeIf([](const QString &path) { return !isFile(path); });
}

void RecentFiles::save(IProfile &profile) const
{
    for (int i = 0; i < MaxFiles; ++i)
        profile.writeString(Section, entryName(i), m_files.value(i));
}

void RecentFiles::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    // Reached through an open descriptor, as a name that is no UTF-8 is: no later run could open it.
    if (absolute.startsWith(QLatin1String("/proc/self/fd/")))
        return;
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > MaxFiles)
        m_files.removeLast();
}

void RecentFiles::remove(const QString &path)
{
    m_files.removeAll(QFileInfo(path).absoluteFilePath());
}

const QStringList &RecentFiles::files()
{
    m_files.removeIf([](const QString &path) { return !isFile(path); });
    return m_files;
}
