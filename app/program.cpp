#include "program.h"

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

// A translation is picked up from share/zantoria/translations beside the program, when there is
// one for the user's language; Qt's own texts (dialog buttons) from Qt's translations.
void InstallTranslations(QApplication &app)
{
    auto *qtTranslator = new QTranslator(&app);
    if (qtTranslator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTranslator);
    auto *translator = new QTranslator(&app);
    const QString folder = QDir(QApplication::applicationDirPath())
                               .filePath(QStringLiteral("../share/zantoria/translations"));
    if (translator->load(QLocale(), QStringLiteral("zantoria"), QStringLiteral("_"), folder))
        QApplication::installTranslator(translator);
}

} // namespace

void Program::Prepare(QApplication &app)
{
    QGuiApplication::setDesktopFileName(Product::DesktopId);
    QApplication::setWindowIcon(AppIcon(AppIconPictures()));
    InstallTranslations(app);
}

void Program::Run()
{
    CDesktopShell shell;
    CStandardFolders folders;
    CSettingsProfile profile(QApplication::applicationName());
    CWidgetPrompt prompt;
    CZANTApp theApp({&shell, &folders, &profile, &prompt});
    theApp.InitInstance();
}
