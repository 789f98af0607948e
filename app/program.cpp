#include "program.h"

#include "appicon.h"
#include "folders.h"
#include "localeservices.h"
#include "product.h"
#include "profile.h"
#include "shell.h"
#include "widgetprompt.h"
#include "zantapp.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QThreadPool>
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

// Loading that the first window waits for but that needs no window, done on another core while
// the window is being built:
// - the first picture read in a process makes Qt open every image-format plugin; reading the
//   window icon's pictures here spares the menu bar, whose overflow icon is read while the
//   window is built;
// - ICU loads the locale's number and currency data for the first figure shown.
// The window never waits for this: its thread does whatever is not done yet itself.
void LoadAhead()
{
    const QList<QImage> pictures = AppIconPictures();
    QMetaObject::invokeMethod(
        qApp, [pictures] { QApplication::setWindowIcon(AppIcon(pictures)); }, Qt::QueuedConnection);
    (void)CLocaleServices::DecimalSeparator();
    (void)CLocaleServices::FormatCurrency(QStringLiteral("0"));
    (void)CLocaleServices::FormatNumber(QStringLiteral("0"));
}

} // namespace

void Program::Prepare(QApplication &app)
{
    QGuiApplication::setDesktopFileName(Product::DesktopId);
    QThreadPool::globalInstance()->start(LoadAhead);
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
    // The loading thread posts to the application object, which must outlive it.
    QThreadPool::globalInstance()->waitForDone();
}
