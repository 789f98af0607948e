#include "app/program.h"

#include "ui/appicon.h"
#include "platform/folders.h"
#include "core/product.h"
#include "platform/profile.h"
#include "platform/shell.h"
#include "platform/translations.h"
#include "ui/widgetprompt.h"
#include "app/zantoriaapp.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>

void Program::describeCommandLine(QCommandLineParser &parser)
{
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Weighs the purchase of a rental property: one property's figures and up to five "
                "loan offers, compared side by side in a report."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("DEAL.zant"),
        QCoreApplication::translate("main", "A deal file to open, as Import Data would."),
        QStringLiteral("[DEAL.zant]"));
}

QStringList Program::filesToOpen(const QByteArrayList &arguments)
{
    QStringList files;
    bool options = true;
    for (const QByteArray &argument : arguments) {
        if (options && argument == "--") {
            options = false;
            continue;
        }
        if (options && argument.startsWith('-') && argument != "-")
            continue; // --help and --version end the program before
        const QString text = QFile::decodeName(argument);
        if (QFile::encodeName(text) != argument) {
            const int fd = ::open(argument.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                files << QStringLiteral("/proc/self/fd/%1").arg(fd);
                continue;
            }
        }
        // Else the window says why it cannot be opened.
        files << QFileInfo(text).absoluteFilePath();
    }
    return files;
}

void Program::prepare(QApplication &app)
{
    QGuiApplication::setDesktopFileName(Product::DesktopId);
    QApplication::setWindowIcon(appIcon(appIconPictures()));
    installTranslations(app);
}

void Program::run(const QStringList &filesToOpen)
{
    DesktopShell shell;
    StandardFolders folders;
    SettingsProfile profile(QApplication::applicationName());
    WidgetPrompt prompt;
    ZantoriaApp theApp({&shell, &folders, &profile, &prompt});
    theApp.setFilesToOpen(filesToOpen);
    theApp.run();
}
