#include "program.h"

#include <QApplication>

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

} // namespace

int main(int argc, char *argv[])
{
    if (!HasDisplay()) {
        std::fprintf(stderr, "zantoria: no display available; start it from a graphical desktop "
                             "session (DISPLAY or WAYLAND_DISPLAY is not set).\n");
        return 1;
    }
    QApplication app(argc, argv);
    Program::Prepare(app);
    Program::Run();
    return 0;
}
