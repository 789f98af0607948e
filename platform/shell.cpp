#include "shell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

void CDesktopShell::OpenDocument(const QString &path)
{
    // A plain path string would break on spaces, "#", "%" and non-ASCII names.
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void CDesktopShell::OpenUrl(const QString &url)
{
    QDesktopServices::openUrl(QUrl(url));
}

void CDesktopShell::StartProgram(const QString &command)
{
    QProcess::startDetached(command, QStringList());
}

QString DefaultCalculatorCommand()
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
