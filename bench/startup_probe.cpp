// zantoria's own start-up, through the same Program steps as its main(), with one addition: the
// window is closed as soon as it has been shown (see startupclock.h). The program itself has no
// such switch; this main() exists only for the start-up benchmark.

#include "startupclock.h"

#include "core/product.h"
#include "app/program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The real program's name, so it reads and writes the same settings file.
    QApplication::setApplicationName(Product::ApplicationName);
    new ShownProbe(app);
    Program::prepare(app);
    Program::run();
    return 0;
}
