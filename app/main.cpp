#include "core/product.h"
#include "app/program.h"
#include "platform/translations.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would print a stack of plugin warnings and abort.
bool hasDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// True when the command line asks for an answer on the terminal (--help, --version, or a
// mistake to point out) rather than for the window.
bool answersOnTerminal(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    Program::describeCommandLine(parser);
    return !parser.parse(arguments) || parser.isSet(QStringLiteral("help"))
        || parser.isSet(QStringLiteral("help-all")) || parser.isSet(QStringLiteral("version"));
}

void setIdentity()
{
    QCoreApplication::setApplicationName(Product::ApplicationName);
    QCoreApplication::setApplicationVersion(Product::Version);
}

// Answers on the terminal and ends there, with or without a display.
[[noreturn]] void answerOnTerminal(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    setIdentity();
    installTranslations(app);
    QCommandLineParser parser;
    Program::describeCommandLine(parser);
    parser.process(app); // prints the help, the version or the mistake, and exits
    std::exit(1);
}

// Says so on the terminal, in the user's language, rather than let Qt abort.
int refuseWithoutDisplay(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    setIdentity();
    installTranslations(app);
    const QString message = QCoreApplication::translate(
        "main", "%1: no display available; start it from a graphical desktop session (DISPLAY or "
                "WAYLAND_DISPLAY is not set).");
    std::fprintf(stderr, "%s\n", qPrintable(message.arg(QCoreApplication::applicationName())));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (answersOnTerminal(argc, argv))
        answerOnTerminal(argc, argv);
    if (!hasDisplay())
        return refuseWithoutDisplay(argc, argv);
    QApplication app(argc, argv);
    setIdentity();
    Program::prepare(app);
    // The arguments' own bytes, which QApplication left after taking out its own options: a
    // name that is no UTF-8 would not survive QCoreApplication::arguments().
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QByteArray(argv[i]);
    Program::run(Program::filesToOpen(arguments));
    return 0;
}
