#include "core/texts.h"

#include "core/recentlyused.h"

#include <QEvent>

#include <atomic>

namespace {

// How often the application's translators have changed: installing or removing one sends the
// application QEvent::LanguageChange, and a new application starts with translators of its own.
std::atomic<unsigned> g_languageChanges{0};

class LanguageWatch : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance())
            g_languageChanges.fetch_add(1, std::memory_order_release);
        return QObject::eventFilter(watched, event);
    }
};

// Run by each new application, in its thread, as it is made.
void watchLanguage()
{
    QCoreApplication *application = QCoreApplication::instance();
    application->installEventFilter(new LanguageWatch(application));
    g_languageChanges.fetch_add(1, std::memory_order_release);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchLanguage)

QString keptTranslation(const char *context, const char *sourceText)
{
    struct Kept
    {
        const char *context = nullptr;
        const char *sourceText = nullptr;
        unsigned languageChanges = 0;
        QString text;
    };
    thread_local RecentlyUsed<Kept, 16> kept;
    const unsigned changes = g_languageChanges.load(std::memory_order_acquire);
    const auto same = [&](const Kept &k) {
        return k.sourceText == sourceText && k.context == context;
    };
    if (Kept *known = kept.find(same)) {
        if (known->languageChanges != changes) {
            known->text = QCoreApplication::translate(context, sourceText);
            known->languageChanges = changes;
        }
        return known->text;
    }
    Kept &made = kept.replaced();
    made = {context, sourceText, changes, QCoreApplication::translate(context, sourceText)};
    return made.text;
}
