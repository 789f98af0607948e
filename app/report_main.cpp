// zantoria-report: writes the HTML report of a deal file without a window, with the user's saved
// report settings and locale.

#include "appsettings.h"
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

namespace {

enum ExitCode { Success = 0, BadInput = 1, FileError = 2 };

void PrintError(const QString &message)
{
    QTextStream(stderr) << message << Qt::endl;
}

QString DefaultReportPath(const QString &input)
{
    const QFileInfo info(input);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".htm"));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(Product::Version);
    InstallTranslations(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Writes the Zantoria report of a deal file (*.zant) as an HTML page."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("DEAL.zant"),
                                 QCoreApplication::translate("main", "The deal file to read."));
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        QCoreApplication::translate("main", "Write the report to REPORT.htm instead of the deal "
                                            "file's name with the extension .htm."),
        QStringLiteral("REPORT.htm"));
    parser.addOption(output);
    parser.process(app);

    const QStringList inputs = parser.positionalArguments();
    if (inputs.size() != 1) {
        PrintError(parser.helpText());
        return BadInput;
    }
    const QString input = QFileInfo(inputs.constFirst()).absoluteFilePath();
    const QString reportPath = parser.isSet(output) ? parser.value(output) : DefaultReportPath(input);

    // The settings the user saved in the program with the window.
    CSettingsProfile profile(Product::ApplicationName);
    CAppSettings settings;
    ProfileStore::ReadSettings(profile, settings);
    CDealRecord record = ProfileStore::FirstRunRecord();

    try {
        if (const auto error = ExchangeFile::Import(record, input)) {
            PrintError(error->Message(input));
            return BadInput;
        }
    } catch (const CFileException &exception) {
        PrintError(exception.Message());
        return FileError;
    }

    CReport report(record, settings, nullptr);
    if (!report.Create(reportPath)) {
        PrintError(report.LastError());
        return FileError;
    }
    return Success;
}
