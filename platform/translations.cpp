#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
void Install(QCoreApplication &app, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}
} // namespace

void InstallTranslations(QCoreApplication &app)
{
    // Qt's own texts: the buttons of message boxes, the file dialog, What's This.
    Install(app, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Install(app, QStringLiteral("zantoria"), QStringLiteral(":/i18n"));
}
