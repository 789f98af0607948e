#include "platform/shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool DesktopShell::openDocument(const QString &path)
{
    // A plain path string would break on spaces, "#", "%" and non-ASCII names.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool DesktopShell::openUrl(const QString &url)
{
    return QDesktopServices::openUrl(QUrl(url));
}

bool DesktopShell::startProgram(const QString &command)
{
    return !command.isEmpty() && QProcess::startDetached(command, QStringList());
}

QString defaultCalculatorCommand()
{
#ifdef Q_OS_WIN
    return QStringLiteral("calc.exe");
#else
    for (const char *candidate :
         {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"}) {
        const QString name = QString::fromLatin1(candidate);
        if (!QStandardPaths::findExecutable(name).isEmpty())
            return name;
    }
    return QStringLiteral("gnome-calculator");
#endif
}
