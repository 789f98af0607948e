#pragma once

#include <QStringList>

class QApplication;
class QCommandLineParser;

// The program's life around the application object, shared by main() and the start-up benchmark.
namespace Program {
// The options and arguments zantoria takes: --help, --version and the deal file to open.
void DescribeCommandLine(QCommandLineParser &parser);
// Desktop identity, window icon and translations.
void Prepare(QApplication &app);
// Runs CZANTApp on the real platform services until the main dialog has ended, opening the
// deal files named on the command line (their full paths) once its window shows.
void Run(const QStringList &filesToOpen = {});
} // namespace Program
