#include "platform/profile.h"

#include "platform/staletemporaries.h"

#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QStringList>

#include <algorithm>
#include <limits>
#include <optional>
#include <utility>

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
#include <cstdio>
#include <unistd.h>
#define ZANT_PROFILE_IS_INI_FILE 1
#endif

namespace {
QString settingsKey(const QString &section, const QString &entry)
{
    return section + QLatin1Char('/') + entry;
}

#ifdef ZANT_PROFILE_IS_INI_FILE
bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.userType() == QMetaType::QStringList || b.userType() == QMetaType::QStringList)
        return a.toStringList() == b.toStringList();
    return a.isValid() == b.isValid() && a.toString() == b.toString();
}

// True when the file at path holds every entry of settings and nothing else. It is read under a
// second name (a hard link), so that QSettings parses the disk's bytes instead of answering
// from the copy it keeps of every file it has read or written in this process.
bool fileHolds(const QString &path, const QSettings &settings)
{
    const QByteArray link = ownTemporaryName(path, "check");
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
            same = sameValue(settings.value(keys.at(i)), written.value(keys.at(i)));
    }
    ::unlink(link.constData());
    return same;
}
#endif

} // namespace

namespace {

// The text an entry's value stands for: an INI line edited by hand as a, b reads back as a list.
QString textOf(const QVariant &value)
{
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

// A 32-bit value may have been written signed or unsigned.
std::optional<std::int32_t> int32Of(const QString &text)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<std::int32_t>::min()
        || value > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

#ifdef ZANT_PROFILE_IS_INI_FILE
// The text the file holds now for key (null when it holds none), read under a second name for
// the same reason as in FileHolds.
std::optional<QString> storedText(const QString &path, const QString &key)
{
    const QByteArray link = ownTemporaryName(path, "check");
    if (::link(QFile::encodeName(path).constData(), link.constData()) != 0)
        return std::nullopt;
    std::optional<QString> text;
    {
        const QSettings stored(QFile::decodeName(link), QSettings::IniFormat);
        const QVariant value = stored.value(key);
        text = value.isValid() ? textOf(value) : QString();
    }
    ::unlink(link.constData());
    return text;
}
#endif

} // namespace

SettingsProfile::SettingsProfile(const QString &applicationName)
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Quenwick"), applicationName))
{
    const QStringList keys = m_settings->allKeys();
    for (const QString &key : keys)
        m_held.insert(key, textOf(m_settings->value(key)));
}

SettingsProfile::~SettingsProfile() = default;

QString SettingsProfile::readString(const QString &section, const QString &entry,
                                           const QString &defaultValue)
{
    const QString key = settingsKey(section, entry);
    const QVariant value = m_settings->value(key);
    if (!value.isValid()) {
        readDefault(key, defaultValue);
        return defaultValue;
    }
    return textOf(value);
}

std::int32_t SettingsProfile::readInt(const QString &section, const QString &entry,
                                             std::int32_t defaultValue)
{
    const QString key = settingsKey(section, entry);
    const QVariant value = m_settings->value(key);
    if (!value.isValid())
        readDefault(key, QString::number(defaultValue));
    return int32Of(value.toString()).value_or(defaultValue);
}

void SettingsProfile::readDefault(const QString &key, const QString &text)
{
    // A missing entry reads as its default, which is then what this copy holds: writing the same
    // back is no change, so a first run stores only what the user changed, and a second copy's
    // edits of the same first profile survive.
    if (!m_held.contains(key))
        m_held.insert(key, text);
}

void SettingsProfile::writeString(const QString &section, const QString &entry,
                                          const QString &value)
{
    const QString key = settingsKey(section, entry);
    const auto held = m_held.constFind(key);
    if (held != m_held.cend() && *held == value) {
        if (!m_settings->contains(key))
            m_missingDefaults.insert(key);
        return;
    }
    m_missingDefaults.remove(key);
    store(key, value, value);
}

void SettingsProfile::writeInt(const QString &section, const QString &entry,
                                       std::int32_t value)
{
    const QString key = settingsKey(section, entry);
    const auto held = m_held.constFind(key);
    if (held != m_held.cend() && int32Of(*held) == value) {
        if (!m_settings->contains(key))
            m_missingDefaults.insert(key);
        return;
    }
    m_missingDefaults.remove(key);
    store(key, QString::number(value), value);
}

void SettingsProfile::store(const QString &key, const QString &text, const QVariant &value)
{
    m_settings->setValue(key, value);
    m_held.insert(key, text);
    m_pending.insert(key);
}

void SettingsProfile::keepTogether(const QString &section, const QString &anchorEntry,
                                    const QStringList &entries)
{
    Group group{settingsKey(section, anchorEntry), {}};
    for (const QString &entry : entries)
        group.keys.append(settingsKey(section, entry));
    m_groups.append(group);
}

void SettingsProfile::storeWholeGroups()
{
#ifdef ZANT_PROFILE_IS_INI_FILE
    const QString path = m_settings->fileName();
    for (const Group &group : std::as_const(m_groups)) {
        const bool changed = m_pending.contains(group.anchor)
            || std::any_of(group.keys.cbegin(), group.keys.cend(),
                           [this](const QString &key) { return m_pending.contains(key); });
        if (!changed || !m_held.contains(group.anchor))
            continue;
        const std::optional<QString> stored = storedText(path, group.anchor);
        if (stored && *stored == m_held.value(group.anchor))
            continue;
        // Another copy stored its own anchor value meanwhile (or the file is gone): only this
        // copy's whole group read right beside this copy's anchor.
        for (const QString &key : group.keys + QStringList(group.anchor)) {
            const auto held = m_held.constFind(key);
            if (held != m_held.cend())
                store(key, *held, *held);
        }
    }
#endif
}

void SettingsProfile::storeMissingDefaults()
{
    if (m_missingDefaults.isEmpty())
        return;
#ifdef ZANT_PROFILE_IS_INI_FILE
    // Read under a second name for the same reason as in FileHolds.
    const QString path = m_settings->fileName();
    const QByteArray link = ownTemporaryName(path, "check");
    QStringList stored;
    if (::link(QFile::encodeName(path).constData(), link.constData()) == 0) {
        stored = QSettings(QFile::decodeName(link), QSettings::IniFormat).allKeys();
        ::unlink(link.constData());
    }
#else
    const QStringList stored;
#endif
    for (const QString &key : std::as_const(m_missingDefaults)) {
        if (!stored.contains(key))
            store(key, m_held.value(key), m_held.value(key));
    }
    m_missingDefaults.clear();
}

bool SettingsProfile::flush()
{
    // After a failed save QSettings may believe the file holds what it could not write: every
    // entry still pending is set again, so that this save writes it.
    for (const QString &key : std::as_const(m_pending))
        m_settings->setValue(key, m_held.value(key));
#ifdef ZANT_PROFILE_IS_INI_FILE
    // Another copy of the program may save at the same moment: taking turns keeps either from
    // renaming its earlier file back over what the other has just written. QSettings locks
    // "<name>.lock" itself while it writes, so this guard has a name of its own.
    const QString path = m_settings->fileName();
    QLockFile guard(path + QStringLiteral(".save-lock"));
    storeWholeGroups();
    bool saved = false;
    if (guard.tryLock(10000)) {
        removeStaleTemporaries(path, {QStringLiteral("earlier"), QStringLiteral("check")});
        storeMissingDefaults();
        saved = save();
    } else {
        storeMissingDefaults();
        m_settings->sync();
        saved = fileHolds(path, *m_settings);
    }
#else
    storeMissingDefaults();
    const bool saved = save();
#endif
    if (saved)
        m_pending.clear();
    return saved;
}

bool SettingsProfile::save()
{
#ifdef ZANT_PROFILE_IS_INI_FILE
    // The one file the program does not write through SaveFile: QSettings writes its own file,
    // and no other writer may come between it and the file it reads back.
    // QSettings replaces its file through QSaveFile, which on a full disk can put a truncated
    // file in place of the earlier one and still report success (QTBUG-75077). The earlier file
    // is kept under a second name, a hard link that needs no room on the disk, until the new one
    // has been read back whole; otherwise it is renamed back, as it was.
    const QString path = m_settings->fileName();
    const QByteArray native = QFile::encodeName(path);
    const QByteArray earlier = ownTemporaryName(path, "earlier");
    const bool existed = QFile::exists(path);
    const bool kept = existed && ::link(native.constData(), earlier.constData()) == 0;
    m_settings->sync();
    // status() keeps a FormatError of the read and an AccessError of any earlier save, so only
    // the file itself tells whether this save reached it.
    const bool whole = fileHolds(path, *m_settings);
    if (kept) {
        // When the file was not replaced at all, both names are links to the same file: rename()
        // then does nothing, and the second name is removed below like after a success.
        if (!whole)
            ::rename(earlier.constData(), native.constData());
        ::unlink(earlier.constData());
    } else if (!existed && !whole) {
        // A first profile that did not fit: no half of it is left to be read next time.
        ::unlink(native.constData());
    }
    return whole;
#else
    m_settings->sync();
    return m_settings->status() != QSettings::AccessError;
#endif
}

QString SettingsProfile::fileName() const
{
    return m_settings->fileName();
}
