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
    [[nodiscard]] virtual QString readString(const QString &section, const QString &entry,
                                                   const QString &defaultValue = QString()) = 0;
    [[nodiscard]] virtual std::int32_t readInt(const QString &section, const QString &entry,
                                                     std::int32_t defaultValue) = 0;
    virtual void writeString(const QString &section, const QString &entry,
                                    const QString &value) = 0;
    virtual void writeInt(const QString &section, const QString &entry,
                                 std::int32_t value) = 0;
    // Entries whose stored text reads right only beside the value of anchorEntry (figures in
    // the locale it names): whenever they are stored, they are stored together.
    virtual void keepTogether(const QString &section, const QString &anchorEntry,
                              const QStringList &entries)
    {
        Q_UNUSED(section);
        Q_UNUSED(anchorEntry);
        Q_UNUSED(entries);
    }
    // Makes sure everything written has reached its store. False when it could not (a full
    // disk, a folder that became read-only); the writes are kept, so calling it again retries.
    [[nodiscard]] virtual bool flush() = 0;
};

// The profile on QSettings, organisation "Quenwick", application name the executable's base name:
// ~/.config/Quenwick/<name>.conf on Linux, the registry key under HKEY_CURRENT_USER on Windows.
//
// Several copies of the program may share the profile and end in any order. Each stores only the
// entries it changed since it read them (QSettings merges those into what the file holds when
// it saves), so what another copy changed meanwhile survives.
class SettingsProfile final : public IProfile
{
public:
    explicit SettingsProfile(const QString &applicationName);
    ~SettingsProfile() override;

    [[nodiscard]] QString readString(const QString &section, const QString &entry,
                                           const QString &defaultValue = QString()) override;
    [[nodiscard]] std::int32_t readInt(const QString &section, const QString &entry,
                                             std::int32_t defaultValue) override;
    void writeString(const QString &section, const QString &entry,
                            const QString &value) override;
    void writeInt(const QString &section, const QString &entry, std::int32_t value) override;
    void keepTogether(const QString &section, const QString &anchorEntry,
                      const QStringList &entries) override;
    [[nodiscard]] bool flush() override;

    [[nodiscard]] QString fileName() const;

private:
    struct Group
    {
        QString anchor;
        QStringList keys;
    };

    void store(const QString &key, const QString &text, const QVariant &value);
    void readDefault(const QString &key, const QString &text);
    // Stores the defaults written back unchanged that the file still lacks.
    void storeMissingDefaults();
    // Stores every entry of a group this copy changed when the file holds another anchor value.
    void storeWholeGroups();
    // Saves the pending entries, keeping the earlier file should the new one not be whole.
    [[nodiscard]] bool save();

    std::unique_ptr<QSettings> m_settings;
    // Each entry's text as this copy read it or last wrote it.
    QHash<QString, QString> m_held;
    // The entries written since the last successful Flush.
    QSet<QString> m_pending;
    // Entries missing when read, written back as their default: stored only where the file still
    // lacks them at the save, so that a first run fills the profile in without overwriting what
    // another copy stored meanwhile.
    QSet<QString> m_missingDefaults;
    QList<Group> m_groups;
};
