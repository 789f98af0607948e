#pragma once

// Small helpers shared by the failure tests: reaching the main dialog's edits and commands the
// way a user does, and looking at folders and files before and after something went wrong.

#include <QAction>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace FaultTest {

inline QLineEdit *Edit(QWidget &dlg, const char *name)
{
    return dlg.findChild<QLineEdit *>(QString::fromLatin1(name));
}

// Runs a command of the main dialog through its action, as the menu and the keys do.
inline bool Trigger(QWidget &dlg, const char *action)
{
    QAction *command = dlg.findChild<QAction *>(QString::fromLatin1(action));
    if (!command)
        return false;
    command->trigger();
    return true;
}

inline QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

// Every entry of a folder, hidden ones included: a temporary file left behind shows up here.
inline QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                      | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace FaultTest
