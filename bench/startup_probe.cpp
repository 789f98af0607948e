// zantoria's own start-up, step for step as its main() does it, with one addition: the window
// is closed as soon as it has been shown (see startupclock.h). The program itself has no such
// switch; this copy of main() exists only for the start-up benchmark.

#include "startupclock.h"

#include "appicon.h"
#include "folders.h"
#include "product.h"
#include "profile.h"
#include "shell.h"
#include "widgetprompt.h"
#include "zantapp.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

void InstallTranslations(QApplication &app)
{
    auto *qtTranslator = new QTranslator(&app);
    if (qtTranslator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTranslator);
    auto *translator = new QTranslator(&app);
    const QString folder =
        QDir(QApplication::applicationDirPath()).filePath(QStringLiteral("../share/zantoria/translations"));
    if (translator->load(QLocale(), QStringLiteral("zantoria"), QStringLiteral("_"), folder))
        QApplication::installTranslator(translator);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The real program's name, so it reads and writes the same settings file.
    QApplication::setApplicationName(Product::ApplicationName);
    new CShownProbe(app);
    QGuiApplication::setDesktopFileName(Product::DesktopId);
    QApplication::setWindowIcon(AppIcon());
    InstallTranslations(app);

    CDesktopShell shell;
    CStandardFolders folders;
    CSettingsProfile profile(QApplication::applicationName());
    CWidgetPrompt prompt;
    CZANTApp theApp({&shell, &folders, &profile, &prompt});
    theApp.InitInstance();
    return 0;
}
