#pragma once

#include <QString>
#include <cstdint>
#include <memory>

class QSettings;

// The per-user profile: named values in sections. A missing or unreadable value yields the
// default; writes are not checked by callers.
class IProfile
{
public:
    virtual ~IProfile() = default;
    [[nodiscard]] virtual QString GetProfileString(const QString &section, const QString &entry,
                                                   const QString &defaultValue = QString()) = 0;
    [[nodiscard]] virtual std::int32_t GetProfileInt(const QString &section, const QString &entry,
                                                     std::int32_t defaultValue) = 0;
    virtual void WriteProfileString(const QString &section, const QString &entry,
                                    const QString &value) = 0;
    virtual void WriteProfileInt(const QString &section, const QString &entry,
                                 std::int32_t value) = 0;
    // Makes sure everything written has reached its store.
    virtual void Flush() = 0;
};

// The profile on QSettings, organisation "Quenwick", application name the executable's base name:
// ~/.config/Quenwick/<name>.conf on Linux, the registry key under HKEY_CURRENT_USER on Windows.
class CSettingsProfile final : public IProfile
{
public:
    explicit CSettingsProfile(const QString &applicationName);
    ~CSettingsProfile() override;

    [[nodiscard]] QString GetProfileString(const QString &section, const QString &entry,
                                           const QString &defaultValue = QString()) override;
    [[nodiscard]] std::int32_t GetProfileInt(const QString &section, const QString &entry,
                                             std::int32_t defaultValue) override;
    void WriteProfileString(const QString &section, const QString &entry,
                            const QString &value) override;
    void WriteProfileInt(const QString &section, const QString &entry, std::int32_t value) override;
    void Flush() override;

    [[nodiscard]] QString FileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};
