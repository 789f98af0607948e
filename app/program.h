#pragma once

#include <QByteArrayList>
#include <QStringList>

class QApplication;
class QCommandLineParser;

// The program's life around the application object, shared by main() and the start-up benchmark.
namespace Program {
// The options and arguments zantoria takes: --help, --version and the deal file to open.
void describeCommandLine(QCommandLineParser &parser);
// The files that the command line's arguments (after the program's name, Qt's own options taken
// out) name, with full paths: the program changes its current folder. A name that is no UTF-8
// ("deal-\xff.zant") has no text that Qt's file functions would take back to its bytes: it is
// opened here, without waiting should it be a FIFO, and given as its descriptor's name, which
// stays open for the program's life.
[[nodiscard]] QStringList filesToOpen(const QByteArrayList &arguments);
// Desktop identity, window icon and translations.
void prepare(QApplication &app);
// Runs ZantoriaApp on the real platform services until the main dialog has ended, opening the
// deal files named on the command line (their full paths) once its window shows.
void run(const QStringList &filesToOpen = {});
} // namespace Program
