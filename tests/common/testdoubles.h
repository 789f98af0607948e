#pragma once

#include "platform/folders.h"
#include "platform/profile.h"
#include "ui/prompt.h"
#include "platform/shell.h"

#include <QMap>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <functional>

// Records what would have been handed to the desktop.
class RecordingShell final : public IShell
{
public:
    bool openDocument(const QString &path) override
    {
        m_documents.append(path);
        return m_starts;
    }
    bool openUrl(const QString &url) override
    {
        m_urls.append(url);
        return m_starts;
    }
    bool startProgram(const QString &command) override
    {
        m_programs.append(command);
        return m_starts;
    }

    // False stands for a desktop without a browser or without the program asked for.
    bool m_starts = true;
    QStringList m_documents;
    QStringList m_urls;
    QStringList m_programs;
};

// A documents folder of the test's choosing; an empty path means "there is none".
class FixedFolders final : public IFolders
{
public:
    explicit FixedFolders(QString path) : m_path(std::move(path)) {}
    [[nodiscard]] QString documentsFolder() override { return m_path; }

    QString m_path;
};

// A profile in memory, keyed "section/entry".
class MemoryProfile final : public IProfile
{
public:
    [[nodiscard]] QString readString(const QString &section, const QString &entry,
                                           const QString &defaultValue = QString()) override;
    [[nodiscard]] std::int32_t readInt(const QString &section, const QString &entry,
                                             std::int32_t defaultValue) override;
    void writeString(const QString &section, const QString &entry,
                            const QString &value) override;
    void writeInt(const QString &section, const QString &entry, std::int32_t value) override;
    bool flush() override { return true; }

    QMap<QString, QString> m_values;
};

// Answers message boxes and file dialogs from queues the test fills, and keeps what was asked.
class ScriptedPrompt final : public IPrompt
{
public:
    struct ShownMessage
    {
        QString text;
        Buttons buttons;
        Icon icon;
    };

    Answer messageBox(const QString &text, Buttons buttons, Icon icon) override;
    [[nodiscard]] QString getSaveFileName(const QString &title, const QString &filter,
                                          const QString &defaultExtension) override;
    [[nodiscard]] QString getOpenFileName(const QString &title, const QString &filter,
                                          const QString &defaultExtension) override;

    void setNextAnswer(Answer answer) { m_answers.enqueue(answer); }
    void setNextFileName(const QString &name) { m_fileNames.enqueue(name); }

    QList<ShownMessage> m_messages;
    // Runs while a message box is shown, before it is answered.
    std::function<void()> m_onMessageBox;
    QStringList m_fileTitles;
    QStringList m_fileFilters;

private:
    QQueue<Answer> m_answers;
    QQueue<QString> m_fileNames;
};
