#include "profile.h"

#include <QSettings>
#include <QStringList>

#include <limits>

namespace {
QString Key(const QString &section, const QString &entry)
{
    return section + QLatin1Char('/') + entry;
}
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
    m_settings->sync();
}

QString CSettingsProfile::FileName() const
{
    return m_settings->fileName();
}
