#include "profile.h"

#include "staletemporaries.h"

#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QStringList>

#include <limits>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <cstdio>
#include <unistd.h>
#define ZANT_PROFILE_IS_INI_FILE 1
#endif

namespace {
QString Key(const QString &section, const QString &entry)
{
    return section + QLatin1Char('/') + entry;
}

#ifdef ZANT_PROFILE_IS_INI_FILE
bool SameValue(const QVariant &a, const QVariant &b)
{
    if (a.userType() == QMetaType::QStringList || b.userType() == QMetaType::QStringList)
        return a.toStringList() == b.toStringList();
    return a.isValid() == b.isValid() && a.toString() == b.toString();
}

// True when the file at path holds every entry of settings and nothing else. It is read under a
// second name (a hard link), so that QSettings parses the disk's bytes instead of answering
// from the copy it keeps of every file it has read or written in this process.
bool FileHolds(const QString &path, const QSettings &settings)
{
    const QByteArray link = OwnTemporaryName(path, "check");
    if (::link(QFile::encodeName(path).constData(), link.constData()) != 0)
        return false;
    bool same = false;
    {
        const QSettings written(QFile::decodeName(link), QSettings::IniFormat);
        QStringList keys = settings.allKeys();
        QStringList writtenKeys = written.allKeys();
        keys.sort();
        writtenKeys.sort();
        same = written.status() == QSettings::NoError && keys == writtenKeys;
        for (qsizetype i = 0; same && i < keys.size(); ++i)
            same = SameValue(settings.value(keys.at(i)), written.value(keys.at(i)));
    }
    ::unlink(link.constData());
    return same;
}
#endif

} // namespace

CSettingsProfile::CSettingsProfile(const QString &applicationName)
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Quenwick"), applicationName))
{
}

CSettingsProfile::~CSettingsProfile() = default;

QString CSettingsProfile::GetProfileString(const QString &section, const QString &entry,
                                           const QString &defaultValue)
{
    const QVariant value = m_settings->value(Key(section, entry));
    if (!value.isValid())
        return defaultValue;
    // An INI line edited by hand as a, b reads back as a list.
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

std::int32_t CSettingsProfile::GetProfileInt(const QString &section, const QString &entry,
                                             std::int32_t defaultValue)
{
    bool ok = false;
    const qlonglong value = m_settings->value(Key(section, entry)).toString().toLongLong(&ok);
    // A 32-bit value may have been written signed or unsigned.
    if (!ok || value < std::numeric_limits<std::int32_t>::min()
        || value > std::numeric_limits<std::uint32_t>::max())
        return defaultValue;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

void CSettingsProfile::WriteProfileString(const QString &section, const QString &entry,
                                          const QString &value)
{
    m_settings->setValue(Key(section, entry), value);
}

void CSettingsProfile::WriteProfileInt(const QString &section, const QString &entry,
                                       std::int32_t value)
{
    m_settings->setValue(Key(section, entry), value);
}

void CSettingsProfile::Flush()
{
#ifdef ZANT_PROFILE_IS_INI_FILE
    // QSettings replaces its file through QSaveFile, which on a full disk can put a truncated
    // file in place of the earlier one and still report success (QTBUG-75077). The earlier file
    // is kept under a second name, a hard link that needs no room on the disk, until the new one
    // has been read back whole; otherwise it is renamed back, as it was.
    const QString path = m_settings->fileName();
    // Another copy of the program may save at the same moment: taking turns keeps either from
    // renaming its earlier file back over what the other has just written. QSettings locks
    // "<name>.lock" itself while it writes, so this guard has a name of its own.
    QLockFile guard(path + QStringLiteral(".save-lock"));
    if (!guard.tryLock(10000)) {
        m_settings->sync();
        return;
    }
    RemoveStaleTemporaries(path, {QStringLiteral("earlier"), QStringLiteral("check")});
    const QByteArray native = QFile::encodeName(path);
    const QByteArray earlier = OwnTemporaryName(path, "earlier");
    const bool kept = ::link(native.constData(), earlier.constData()) == 0;
    m_settings->sync();
    if (!kept)
        return;
    // When the file was not replaced at all, both names are links to the same file: rename()
    // then does nothing, and the second name is removed below like after a success.
    if (!FileHolds(path, *m_settings))
        ::rename(earlier.constData(), native.constData());
    ::unlink(earlier.constData());
#else
    m_settings->sync();
#endif
}

QString CSettingsProfile::FileName() const
{
    return m_settings->fileName();
}
