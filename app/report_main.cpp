// zantoria-report: writes the HTML report of a deal file without a window, with the user's saved
// report settings and locale.

#include "appsettings.h"
#include "commandfiles.h"
#include "exchangefile.h"
#include "fileexception.h"
#include "product.h"
#include "profile.h"
#include "profilestore.h"
#include "report.h"
#include "translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <new>

namespace {

enum ExitCode { Success = 0, BadInput = 1, FileError = 2 };

void PrintError(const QString &message)
{
    QTextStream(stderr) << message << Qt::endl;
}

// The command line's own bytes for an argument that Qt has read as text, so that a file name
// that is no UTF-8 still names its file. It is the whole argument, or what follows "-o" or
// "--output=" in it.
QByteArray ArgumentBytes(const QString &text, int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        for (const QByteArray &prefix : {QByteArray(), QByteArray("--output="), QByteArray("-o")}) {
            if (argument.startsWith(prefix)
                && QFile::decodeName(argument.mid(prefix.size())) == text)
                return argument.mid(prefix.size());
        }
    }
    return QFile::encodeName(text);
}

// The deal file as named, made absolute so that messages say where it was looked for.
CFileName InputName(const QString &text, int argc, char *argv[])
{
    QByteArray bytes = ArgumentBytes(text, argc, argv);
    if (!bytes.startsWith('/'))
        bytes = QFile::encodeName(QDir::currentPath()) + '/' + bytes;
    return CFileName::FromArgument(bytes);
}

void PrintUsageError(const QCommandLineParser &parser, const QString &problem)
{
    PrintError(QCoreApplication::applicationName() + QStringLiteral(": ") + problem);
    QTextStream(stderr) << parser.helpText();
}

int Run(const QCommandLineParser &parser, const QCommandLineOption &output, int argc, char *argv[])
{
    const QStringList inputs = parser.positionalArguments();
    if (inputs.size() != 1) {
        PrintUsageError(parser, inputs.isEmpty()
                                    ? QCoreApplication::translate("main", "No deal file given.")
                                    : QCoreApplication::translate("main", "One deal file at a time; %1 were given.")
                                          .arg(inputs.size()));
        return BadInput;
    }
    const CFileName input = InputName(inputs.constFirst(), argc, argv);
    const CFileName reportName = parser.isSet(output)
        ? CFileName::FromArgument(ArgumentBytes(parser.value(output), argc, argv))
        : CommandFiles::ReportBeside(input);
    for (const auto &problem :
         {CommandFiles::InputProblem(input), CommandFiles::OutputProblem(reportName, input)}) {
        if (problem) {
            PrintError(*problem);
            return FileError;
        }
    }

    // The settings the user saved in the program with the window.
    CSettingsProfile profile(Product::ApplicationName);
    CAppSettings settings;
    ProfileStore::ReadSettings(profile, settings);
    CDealRecord record = ProfileStore::FirstRunRecord();

    try {
        std::optional<CImportError> error;
        CommandFiles::ReadInput(input, [&](const QString &path) { error = ExchangeFile::Import(record, path); });
        if (error) {
            PrintError(error->Message(input.shown));
            return BadInput;
        }
    } catch (const CFileException &exception) {
        PrintError(exception.Message());
        return FileError;
    }

    const bool written = CommandFiles::WriteOutput(reportName, [&](const QString &path) {
        CReport report(record, settings, nullptr);
        if (report.Create(path))
            return true;
        PrintError(report.LastError());
        return false;
    });
    return written ? Success : FileError;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(Product::Version);
    InstallTranslations(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Writes the Zantoria report of a deal file (*.zant) as an HTML page.\n\n"
                "Exit status: 0 when the report was written; 1 for wrong arguments or a faulty\n"
                "line in the deal file (no \"=\", a missing or unknown label, an unknown locale);\n"
                "2 when a file cannot be read or written, or memory runs out. A figure that does\n"
                "not read as a number (\"abc\") is no error: it counts as 0, as it does in the\n"
                "program's window."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("DEAL.zant"),
                                 QCoreApplication::translate("main", "The deal file to read."));
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QCoreApplication::translate("main", "Write the report to REPORT.htm instead of the deal "
                                            "file's name with the extension .htm; - writes it to "
                                            "standard output."),
        QStringLiteral("REPORT.htm"));
    parser.addOption(output);
    parser.process(app);

    try {
        return Run(parser, output, argc, argv);
    } catch (const std::bad_alloc &) {
        PrintError(QCoreApplication::translate("main", "Out of memory."));
        return FileError;
    }
}
