#include "program.h"

#include "appicon.h"
#include "folders.h"
#include "localeservices.h"
#include "product.h"
#include "profile.h"
#include "shell.h"
#include "translations.h"
#include "widgetprompt.h"
#include "zantapp.h"

#include <QApplication>
#include <QCommandLineParser>

#include <thread>

#if defined(Q_OS_LINUX)
#include <pthread.h>
#include <sched.h>
#endif

namespace {

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

// Keeps the calling thread off one CPU when it may run on others. Linux starts a new thread on
// its creator's CPU and can leave it there for milliseconds while another CPU idles; the loading
// thread and the window's thread would then take turns instead of running side by side.
void KeepOffCpu([[maybe_unused]] int cpu)
{
#if defined(Q_OS_LINUX)
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (cpu < 0 || sched_getaffinity(0, sizeof allowed, &allowed) != 0 || CPU_COUNT(&allowed) < 2
        || !CPU_ISSET(cpu, &allowed))
        return;
    CPU_CLR(cpu, &allowed);
    pthread_setaffinity_np(pthread_self(), sizeof allowed, &allowed);
#endif
}

int CurrentCpu()
{
#if defined(Q_OS_LINUX)
    return sched_getcpu();
#else
    return -1;
#endif
}

// Joined at the latest when the program ends; Run() joins it before the application goes.
struct CLoader
{
    std::thread thread;
    ~CLoader() { Join(); }
    void Join()
    {
        if (thread.joinable())
            thread.join();
    }
} g_loader;

} // namespace

void Program::DescribeCommandLine(QCommandLineParser &parser)
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

void Program::Prepare(QApplication &app)
{
    QGuiApplication::setDesktopFileName(Product::DesktopId);
    g_loader.Join();
    g_loader.thread = std::thread([windowCpu = CurrentCpu()] {
        KeepOffCpu(windowCpu);
        LoadAhead();
    });
    ::InstallTranslations(app);
}

void Program::Run(const QStringList &filesToOpen)
{
    CDesktopShell shell;
    CStandardFolders folders;
    CSettingsProfile profile(QApplication::applicationName());
    CWidgetPrompt prompt;
    CZANTApp theApp({&shell, &folders, &profile, &prompt});
    theApp.SetFilesToOpen(filesToOpen);
    theApp.InitInstance();
    // The loading thread posts to the application object, which must outlive it.
    g_loader.Join();
}
