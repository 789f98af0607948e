#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

class QSettings;

// The per-user profile: named values in sections. A missing or unreadable value yields the
// default; single writes are not checked by callers, Flush says whether all reached the store.
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
    // Entries whose stored text reads right only beside the value of anchorEntry (figures in
    // the locale it names): whenever they are stored, they are stored together.
    virtual void KeepTogether(const QString &section, const QString &anchorEntry,
                              const QStringList &entries)
    {
        Q_UNUSED(section);
        Q_UNUSED(anchorEntry);
        Q_UNUSED(entries);
    }
    // Makes sure everything written has reached its store. False when it could not (a full
    // disk, a folder that became read-only); the writes are kept, so calling it again retries.
    [[nodiscard]] virtual bool Flush() = 0;
};

// The profile on QSettings, organisation "Quenwick", application name the executable's base name:
// ~/.config/Quenwick/<name>.conf on Linux, the registry key under HKEY_CURRENT_USER on Windows.
//
// Several copies of the program may share the profile and end in any order. Each stores only the
// entries it changed since it read them (QSettings merges those into what the file holds when
// it saves), so what another copy changed meanwhile survives.
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
    void KeepTogether(const QString &section, const QString &anchorEntry,
                      const QStringList &entries) override;
    [[nodiscard]] bool Flush() override;

    [[nodiscard]] QString FileName() const;

private:
    struct Group
    {
        QString anchor;
        QStringList keys;
    };

    void Store(const QString &key, const QString &text, const QVariant &value);
    // Stores every entry of a group this copy changed when the file holds another anchor value.
    void StoreWholeGroups();
    // Saves the pending entries, keeping the earlier file should the new one not be whole.
    [[nodiscard]] bool Save();

    std::unique_ptr<QSettings> m_settings;
    // Each entry's text as this copy read it or last wrote it.
    QHash<QString, QString> m_held;
    // The entries written since the last successful Flush.
    QSet<QString> m_pending;
    QList<Group> m_groups;
};
