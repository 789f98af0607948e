#include "platform/recentfiles.h"

#include "platform/profile.h"

#include <QFileInfo>

namespace {
const QString Section = QStringLiteral("Recent File List");

QString Entry(int index)
{
    return QStringLiteral("File%1").arg(index + 1);
}

bool IsFile(const QString &path)
{
    return QFileInfo(path).isFile();
}
} // namespace

void CRecentFiles::Load(IProfile &profile)
{
    m_files.clear();
    for (int i = 0; i < MaxFiles; ++i) {
        const QString path = profile.GetProfileString(Section, Entry(i));
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
    m_files.removeIf([](const QString &path) { return !IsFile(path); });
}

void CRecentFiles::Save(IProfile &profile) const
{
    for (int i = 0; i < MaxFiles; ++i)
        profile.WriteProfileString(Section, Entry(i), m_files.value(i));
}

void CRecentFiles::Add(const QString &path)
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

void CRecentFiles::Remove(const QString &path)
{
    m_files.removeAll(QFileInfo(path).absoluteFilePath());
}

const QStringList &CRecentFiles::Files()
{
    m_files.removeIf([](const QString &path) { return !IsFile(path); });
    return m_files;
}
