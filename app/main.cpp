#include "appicon.h"
#include "folders.h"
#include "product.h"
#include "profile.h"
#include "shell.h"
#include "widgetprompt.h"
#include "zantapp.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace {

// Without a display Qt would print a stack of plugin warnings and abort.
bool HasDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// A translation is picked up from share/zantoria/translations beside the program, when there is
// one for the user's language; Qt's own texts (dialog buttons) from Qt's translations.
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
    if (!HasDisplay()) {
        std::fprintf(stderr, "zantoria: no display available; start it from a graphical desktop "
                             "session (DISPLAY or WAYLAND_DISPLAY is not set).\n");
        return 1;
    }
    QApplication app(argc, argv);
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
