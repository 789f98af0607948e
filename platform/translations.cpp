#include "platform/translations.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
bool install(QCoreApplication &app, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(QLocale(), name, QStringLiteral("_"), folder))
        return QCoreApplication::installTranslator(translator);
    delete translator;
    return false;
}
} // namespace

void installTranslations(QCoreApplication &app)
{
    // Qt's own texts: the buttons of message boxes, the file dialog, What's This.
    install(app, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const bool ours = install(app, QStringLiteral("zantoria"), QStringLiteral(":/i18n"));
    // Qt's translation turns the windows right to left for Arabic or Hebrew; without a
    // translation of the program's own texts they stay English, and English reads left to right.
    if (auto *gui = qobject_cast<QGuiApplication *>(&app); gui && !ours)
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}
