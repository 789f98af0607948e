// zantoria-report: writes the HTML report of deal files without a window, with the user's saved
// report settings and locale; or the figures and the loan analysis of many deal files as one CSV
// or JSON document.

#include "analysis/analysisexport.h"

#include "core/texts.h"
#include "core/appsettings.h"
#include "app/commandfiles.h"
#include "exchange/exchangefile.h"
#include "textio/fileexception.h"
#include "core/dealfields.h"
#include "core/loananalysis.h"
#include "core/product.h"
#include "platform/profile.h"
#include "platform/profilestore.h"
#include "core/readnotice.h"
#include "report/report.h"
#include "textio/savefile.h"
#include "platform/translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSaveFile>
#include <QScopeGuard>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <exception>
#include <functional>
#include <limits>
#include <mutex>
#include <new>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

enum ExitCode { Success = 0, BadInput = 1, FileError = 2 };
enum class OutputFormat { Html, Csv, Json, JsonLines };

void printError(const QString &message)
{
    QTextStream(stderr) << message << Qt::endl;
}

// The command line's own bytes of the deal files and of the output, found by their places in
// argv as QCommandLineParser reads them, so that names that are no UTF-8 keep their bytes: two
// names that differ only in such bytes read as the same text, yet name two files.
struct ArgumentBytes
{
    QList<QByteArray> positional;
    std::optional<QByteArray> output;

    ArgumentBytes(int argc, char *argv[])
    {
        bool options = true;
        for (int i = 1; i < argc; ++i) {
            const QByteArray argument(argv[i]);
            auto next = [&]() { return i + 1 < argc ? QByteArray(argv[++i]) : QByteArray(); };
            if (!options || argument == "-" || !argument.startsWith('-')) {
                positional.append(argument);
            } else if (argument == "--") {
                options = false;
            } else if (argument.startsWith("--")) {
                const qsizetype equals = argument.indexOf('=');
                const QByteArray name = argument.mid(2, equals < 0 ? -1 : equals - 2);
                const bool takesValue = name == "format" || name == "output" || name == "assume";
                const QByteArray value = equals >= 0 ? argument.mid(equals + 1)
                                         : takesValue ? next() : QByteArray();
                if (name == "output")
                    output = value;
            } else {
                // Short options run together ("-vo"): -o takes the rest, or the next argument.
                const qsizetype o = argument.indexOf('o');
                if (o > 0)
                    output = o + 1 < argument.size() ? argument.mid(o + 1) : next();
            }
        }
    }
};

// A deal file as named, made absolute in folder (the current one) so that messages say where it
// was looked for.
FileName inputName(QByteArray bytes, const QByteArray &folder)
{
    if (!bytes.startsWith('/'))
        bytes = folder + '/' + bytes;
    return FileName::fromArgument(bytes);
}

// A figure of the holding period given on the command line, which overrides the deal file's.
struct Assumption
{
    const DealField *field;
    int loan;
    double number;
};

struct Command
{
    OutputFormat format = OutputFormat::Html;
    bool yearly = false; // the holding period year by year
    bool pretty = false; // json: indented
    int jobs = 1;        // deals computed at once
    std::vector<Assumption> assumptions;
    QStringList given;       // the deal files as the command line names them, for the files' column
    QList<FileName> inputs; // the same, absolute
    std::optional<FileName> output;
    AppSettings settings;
};

// Reads one deal file into record; a faulty line or a file error is told: added to errors where
// given (a deal computed beside others tells it in its turn), else printed. So is a figure too
// large to show: the file is refused, since a report with that figure left out would mislead.
int readDeal(const FileName &input, DealRecord &record, QStringList *errors = nullptr)
{
    const auto tell = [errors](const QString &message) {
        if (errors)
            *errors << message;
        else
            printError(message);
    };
    // What a file leaves out has its first-run figure; read once, it is the same for every file.
    static const DealRecord firstRun = ProfileStore::firstRunRecord();
    record = firstRun;
    try {
        std::optional<ImportError> faulty;
        std::vector<ReadNotice> notices;
        const auto problem = CommandFiles::readInput(input, [&](StdioFile &file) {
            faulty = ExchangeFile::read(record, file, &notices);
        });
        if (problem) {
            tell(*problem);
            return FileError;
        }
        for (const ReadNotice &notice : notices)
            tell(input.shown + QStringLiteral(": ") + notice.message());
        if (faulty) {
            tell(faulty->message(input.shown));
            return BadInput;
        }
        if (!notices.empty())
            return BadInput;
    } catch (const FileException &exception) {
        // Told by the name given, not by the path the file was read through.
        tell(ExchangeFile::fileErrorMessage(exception, input.shown));
        return FileError;
    }
    return Success;
}

int writeHtml(const Command &command, const FileName &input, const FileName &reportName)
{
    if (const auto problem = CommandFiles::outputProblem(reportName, input)) {
        printError(*problem);
        return FileError;
    }
    DealRecord record;
    if (const int read = readDeal(input, record); read != Success)
        return read;
    const bool written = CommandFiles::writeOutput(reportName, [&](const QString &path) {
        Report report(record, command.settings);
        QString error;
        if (report.create(path, &error))
            return true;
        // Told by the report's name, not by the path it was written through.
        printError(error.replace(path, reportName.shown));
        return false;
    });
    return written ? Success : FileError;
}

// Where a table goes, piece by piece; false once a piece could not be written, after saying why.
using Put = std::function<bool(const QByteArray &piece)>;

// Writes the table through put into a save file at path, which replaces the output only once all
// is written and on disk; false after saying why it was not. Each deal's piece is written as it
// comes, so that memory holds one deal at a time however many there are.
bool writeTableFile(const QString &path, const FileName &output, const std::function<bool(const Put &)> &table)
{
    try {
        const std::unique_ptr<QSaveFile> file = SaveFile::open(path);
        // A piece that cannot be written ends the table; commit() then tells the full disk.
        if (!table([&](const QByteArray &piece) { return SaveFile::write(*file, piece); }))
            file->cancelWriting();
        SaveFile::commit(*file);
        return true;
    } catch (const FileException &exception) {
        // Told by the output's name, not by the path of its temporary file.
        printError(FileException(exception.m_cause, output.shown, exception.m_osError).message());
        return false;
    }
}

// Pieces of output gathered into writes of some 64 KB: a deal's CSV lines, a few KB, written
// alone cost a system call each. A piece of half as much or more (a deal with its years) is
// written as it is, without a copy.
class Gathered
{
public:
    explicit Gathered(const Put &put) : m_put(put) {}

    bool operator()(const QByteArray &piece)
    {
        if (m_pending.size() + piece.size() > Size && !flush())
            return false;
        if (piece.size() >= Size / 2)
            return flush() && m_put(piece);
        m_pending += piece;
        return true;
    }
    bool flush()
    {
        const bool written = m_pending.isEmpty() || m_put(m_pending);
        m_pending.resize(0); // keeps its room for the next
        return written;
    }

private:
    static constexpr qsizetype Size = 1 << 16;
    const Put &m_put;
    QByteArray m_pending;
};

// One deal file of a table: its text (a CSV's lines, a JSON object, a JSON line), or the status
// of a file that could not be read; what is told on standard error about it.
struct Piece
{
    int status = Success;
    QStringList errors;
    QByteArray text;
};

Piece analyzeDeal(const Command &command, qsizetype i)
{
    Piece piece;
    DealRecord record;
    piece.status = readDeal(command.inputs.at(i), record, &piece.errors);
    if (piece.status != Success)
        return piece;
    for (const Assumption &assumption : command.assumptions)
        assumption.field->figure(record, assumption.loan).takeNumber(assumption.number, record.m_currency);
    // The CSV of a line per loan gives the returns at the hold only; the JSON's are those of the
    // yearly projection, to the last digit, with or without its years, and the years after tax
    // only where the years are written.
    const bool atHold = command.format == OutputFormat::Csv && !command.yearly;
    const DealAnalysis deal = analyze(record, atHold          ? YearlyReturns::AtHoldOnly
                                              : command.yearly ? YearlyReturns::EveryYear
                                                               : YearlyReturns::BeforeTaxEveryYear);
    // Figures left empty for an assumption out of range are told, not left to guess.
    const QString &file = command.given.at(i);
    for (const QString &problem : {deal.assumptions.problem(), deal.assumptions.taxProblem(),
                                   deal.assumptions.refinanceIgnored()}) {
        if (!problem.isEmpty())
            piece.errors << file + QStringLiteral(": ") + problem;
    }
    for (int k = 0; k < MAX_LOANS; ++k) {
        if (const QString problem = extraPaymentProblem(record, k); !problem.isEmpty())
            piece.errors << file + QStringLiteral(": ") + problem;
    }
    if (command.format == OutputFormat::Csv) {
        piece.text = command.yearly ? AnalysisExport::yearlyCsvLines(file, record, deal)
                                    : AnalysisExport::dealCsvLines(file, record, deal);
    } else if (command.format == OutputFormat::JsonLines) {
        piece.text = AnalysisExport::dealJsonText(file, record, deal, 0, {true, command.yearly});
        piece.text += '\n'; // in the room the text was written in, not a copy
    } else {
        // An element of the list, two levels in.
        piece.text = AnalysisExport::dealJsonText(file, record, deal, 2, {!command.pretty, command.yearly});
    }
    return piece;
}

// Computes every deal of the command and hands each to take in the order of the command line.
// With several jobs the workers take the deals one by one, whichever is free next, while this
// thread hands on those done in order: computing and writing overlap, and no worker waits for a
// batch's slowest deal. A worker starts a deal only while fewer than 16 per job are in flight or
// waiting, so that memory stays flat however many are given. This thread wakes for eight deals
// done in a row, not for each: waking it deal by deal took the workers' processors from them
// thousands of times a second. Stops at the first take that fails (the output could not be
// written). What a worker throws (memory run out) is thrown here, in its deal's turn, once the
// workers have stopped, as it would be with one job.
template <class Take>
bool forEachDeal(const Command &command, Take &&take)
{
    const qsizetype count = command.inputs.size();
    const int jobs = int(std::max<qsizetype>(1, std::min<qsizetype>(command.jobs, count)));
    if (jobs == 1) {
        for (qsizetype i = 0; i < count; ++i) {
            if (!take(analyzeDeal(command, i)))
                return false;
        }
        return true;
    }
    struct Done
    {
        bool ready = false;
        Piece piece;
        std::exception_ptr failure;
    };
    // Deal i waits in place i % capacity until it is handed on.
    const qsizetype capacity = 16 * qsizetype(jobs);
    constexpr qsizetype Batch = 8;
    std::vector<Done> done(static_cast<std::size_t>(capacity));
    std::mutex mutex;
    std::condition_variable roomMade;   // the workers wait on it for room in the window
    std::condition_variable dealsReady; // this thread waits on it for the deals it hands on next
    qsizetype next = 0;
    qsizetype handedOn = 0;
    bool waiting = false;
    bool stopped = false;
    const auto place = [&](qsizetype i) -> Done & { return done[std::size_t(i % capacity)]; };
    // Whether the deals this thread hands on next are done: a batch, or those left.
    const auto batchReady = [&] {
        for (qsizetype i = handedOn; i < std::min(count, handedOn + Batch); ++i) {
            if (!place(i).ready)
                return false;
        }
        return true;
    };
    const auto work = [&] {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            roomMade.wait(lock, [&] { return stopped || next >= count || next < handedOn + capacity; });
            if (stopped || next >= count)
                return;
            const qsizetype i = next++;
            lock.unlock();
            Done result;
            try {
                result.piece = analyzeDeal(command, i);
            } catch (...) {
                result.failure = std::current_exception();
            }
            result.ready = true;
            lock.lock();
            place(i) = std::move(result);
            if (waiting && batchReady())
                dealsReady.notify_one();
        }
    };
    std::vector<std::thread> workers;
    const auto stopWorkers = qScopeGuard([&] {
        {
            std::lock_guard<std::mutex> lock(mutex);
            stopped = true;
        }
        roomMade.notify_all();
        for (std::thread &worker : workers)
            worker.join();
    });
    for (int w = 0; w < jobs; ++w)
        workers.emplace_back(work);
    std::vector<Done> batch;
    while (handedOn < count) {
        batch.clear();
        {
            std::unique_lock<std::mutex> lock(mutex);
            waiting = true;
            dealsReady.wait(lock, batchReady);
            waiting = false;
            for (const qsizetype end = std::min(count, handedOn + Batch); handedOn < end; ++handedOn)
                batch.push_back(std::exchange(place(handedOn), Done{}));
        }
        roomMade.notify_all();
        for (const Done &deal : batch) {
            if (deal.failure)
                std::rethrow_exception(deal.failure);
            if (!take(deal.piece))
                return false;
        }
    }
    return true;
}

// Every deal file read and analysed into one document, each deal written as soon as it is
// analysed; a file that cannot be read is left out and named on standard error, and the exit
// status tells the worst that happened.
int writeTable(const Command &command)
{
    const FileName output = command.output.value_or(FileName::fromArgument("-"));
    for (const FileName &input : command.inputs) {
        if (const auto problem = CommandFiles::outputProblem(output, input)) {
            printError(*problem);
            return FileError;
        }
    }
    int status = Success;
    const bool csv = command.format == OutputFormat::Csv;
    const bool lines = command.format == OutputFormat::JsonLines;
    const bool compact = !command.pretty;
    auto table = [&](const Put &put) {
        const QByteArray header = csv ? command.yearly ? AnalysisExport::yearlyCsvHeader()
                                                       : AnalysisExport::dealsCsvHeader()
                                      : lines ? QByteArray() : AnalysisExport::jsonDocumentHead(compact);
        if (!put(header))
            return false;
        bool first = true;
        Gathered out(put);
        const bool written = forEachDeal(command, [&](const Piece &piece) {
            status = std::max(status, piece.status);
            // What was told of the deals before it stands before its errors.
            if (!piece.errors.isEmpty() && !out.flush())
                return false;
            for (const QString &error : piece.errors)
                printError(error);
            if (piece.status != Success)
                return true;
            if (!csv && !lines && !out(AnalysisExport::jsonDealSeparator(first, compact)))
                return false;
            first = false;
            return out(piece.text);
        });
        return written && (csv || lines || out(AnalysisExport::jsonDocumentTail(compact))) && out.flush();
    };
    bool written = false;
    if (output.isStandardOutput()) {
        written = table(&CommandFiles::writeStandardOutput);
    } else {
        written = CommandFiles::writeOutput(
            output, [&](const QString &path) { return writeTableFile(path, output, table); });
    }
    return written ? status : FileError;
}

struct Options
{
    const QCommandLineOption &format;
    const QCommandLineOption &output;
    const QCommandLineOption &assume;
    const QCommandLineOption &yearly;
    const QCommandLineOption &pretty;
    const QCommandLineOption &jobs;
};

void printUsageError(const QCommandLineParser &parser, const QString &problem)
{
    printError(QCoreApplication::applicationName() + QStringLiteral(": ") + problem);
    QTextStream(stderr) << parser.helpText();
}

// Why a figure given on the command line cannot be used, as the projection would tell it
// beside the empty figures it leaves; nothing when it can. Each figure is tried alone on the
// first-run deal, whose other figures are all in range.
std::optional<QString> assumptionProblem(const Assumption &assumption)
{
    DealRecord record = ProfileStore::firstRunRecord();
    Value &value = assumption.field->figure(record, assumption.loan);
    value.takeNumber(assumption.number, record.m_currency);
    if (!value.canShow(record.m_currency))
        return CommandText::tr("The figure is too large to show.");
    // A figure that cannot be negative (points, lender fees) would be read without its sign.
    if (assumption.number < 0 && !(value.m_value < 0))
        return CommandText::tr("No figure below 0 is allowed for %1.").arg(assumption.field->shownName(assumption.loan + 1));
    ProjectionAssumptions assumptions = assumptionsOf(record.m_projection);
    // A refinance year is judged against each deal's own hold, not against this one; the other
    // figures of a refinance as if one were made.
    assumptions.holdYears = std::numeric_limits<int>::max();
    if (assumptions.refinance.year == 0)
        assumptions.refinance.year = 1;
    for (const QString &problem : {assumptionsOf(record.m_projection).problem(), assumptions.taxProblem(),
                                   assumptions.refinanceIgnored(), extraPaymentProblem(record, assumption.loan)}) {
        if (!problem.isEmpty())
            return problem;
    }
    return std::nullopt;
}

// The labels --assume takes, in the order of the deal file's projection block: a loan's figure
// as its first and last label ("ExtraPayment1 to ExtraPayment5").
QStringList assumptionLabels()
{
    QStringList labels;
    for (const DealField &field : projectionFields()) {
        labels << (field.perLoan ? CommandText::tr("%1 to %2").arg(field.entry(0), field.entry(MAX_LOANS - 1))
                                 : field.entry(0));
    }
    return labels;
}

// "LABEL=NUMBER": a label of the deal file's projection block, in any case, and a plain number
// with "." as its point (no grouping), in per cent where the figure is a share or a rate, where
// a "%" may follow it. A figure out of its range is refused like a faulty one.
std::optional<QString> readAssumption(const QString &given, Command &command)
{
    const qsizetype equals = given.indexOf(QLatin1Char('='));
    const QString label = given.left(equals).trimmed();
    std::optional<Assumption> found;
    forEachStoredField(projectionFields(), [&](const DealField &field, int loan) {
        if (equals > 0 && field.entry(loan).compare(label, Qt::CaseInsensitive) == 0)
            found = Assumption{&field, loan, 0};
    });
    if (!found) {
        return CommandText::tr("--assume %1: unknown label; use LABEL=NUMBER with a label of the deal file's projection block, such as HoldYears or Appreciation.")
            .arg(CommandFiles::visible(given.toUtf8()));
    }
    const std::optional<double> number = readPlainNumber(given.mid(equals + 1), found->field->kind);
    if (!number) {
        return CommandText::tr("--assume %1: \"%2\" is not a number; write it with \".\" as the decimal point (Appreciation=4.5).")
            .arg(label, CommandFiles::visible(given.mid(equals + 1).toUtf8()));
    }
    found->number = *number;
    if (const auto problem = assumptionProblem(*found)) {
        return QStringLiteral("--assume %1: %2").arg(CommandFiles::visible(given.toUtf8()), *problem);
    }
    command.assumptions.push_back(*found);
    return std::nullopt;
}

// The command as the arguments give it, or the problem with them.
std::optional<QString> readArguments(const QCommandLineParser &parser, const Options &options,
                                     int argc, char *argv[], Command &command)
{
    const QCommandLineOption &format = options.format;
    const QCommandLineOption &output = options.output;
    const QString name = parser.value(format).toLower();
    if (name == QLatin1String("csv"))
        command.format = OutputFormat::Csv;
    else if (name == QLatin1String("json"))
        command.format = OutputFormat::Json;
    else if (name == QLatin1String("jsonl"))
        command.format = OutputFormat::JsonLines;
    else if (name != QLatin1String("html"))
        return CommandText::tr("Unknown format \"%1\": use html, csv, json or jsonl.")
            .arg(CommandFiles::visible(parser.value(format).toUtf8()));
    command.given = parser.positionalArguments();
    if (command.given.isEmpty())
        return CommandText::tr("No deal file given.");
    const ArgumentBytes arguments(argc, argv);
    const QByteArray folder = QFile::encodeName(QDir::currentPath());
    for (qsizetype i = 0; i < command.given.size(); ++i) {
        // The bytes at the same place, unless the two readings disagree (they never should).
        const QString &text = command.given.at(i);
        const bool same = arguments.positional.size() == command.given.size()
                          && QFile::decodeName(arguments.positional.at(i)) == text;
        const QByteArray bytes = same ? arguments.positional.at(i) : QFile::encodeName(text);
        command.inputs.append(inputName(bytes, folder));
        // The file column of CSV and JSON keeps names that differ only in bytes that are no
        // UTF-8 apart, as messages show them.
        if (QFile::encodeName(text) != bytes)
            command.given[i] = CommandFiles::visible(bytes);
    }
    if (parser.isSet(output)) {
        const QString text = parser.value(output);
        const bool same = arguments.output && QFile::decodeName(*arguments.output) == text;
        command.output = FileName::fromArgument(same ? *arguments.output : QFile::encodeName(text));
    }
    for (const QString &given : parser.values(options.assume)) {
        if (auto problem = readAssumption(given, command))
            return problem;
    }
    command.yearly = parser.isSet(options.yearly);
    if (command.yearly && command.format == OutputFormat::Html)
        return CommandText::tr("--yearly goes with --format=csv, json or jsonl.");
    command.pretty = parser.isSet(options.pretty);
    if (command.pretty && command.format != OutputFormat::Json)
        return CommandText::tr("--pretty goes with --format=json.");
    command.jobs = QThread::idealThreadCount();
    if (parser.isSet(options.jobs)) {
        bool ok = false;
        command.jobs = parser.value(options.jobs).toInt(&ok);
        if (!ok || command.jobs < 1 || command.jobs > 1024)
            return CommandText::tr("--jobs takes a whole number from 1 to 1024.");
    }
    // The report shows the five figures of each loan, which no assumption changes.
    if (!command.assumptions.empty() && command.format == OutputFormat::Html)
        return CommandText::tr("--assume goes with --format=csv or --format=json.");
    if (command.format == OutputFormat::Html && command.output && command.inputs.size() > 1)
        return CommandText::tr("-o names one report, but %1 deal files were given.")
            .arg(command.inputs.size());
    return std::nullopt;
}

int run(const QCommandLineParser &parser, const Options &options, int argc, char *argv[])
{
    Command command;
    if (const auto problem = readArguments(parser, options, argc, argv, command)) {
        // A figure the user typed wrong is told in one line; the rest with the usage.
        if (problem->startsWith(QLatin1String("--assume")))
            printError(QCoreApplication::applicationName() + QStringLiteral(": ") + *problem);
        else
            printUsageError(parser, *problem);
        return BadInput;
    }
    // The settings the user saved in the program with the window.
    SettingsProfile profile(Product::ApplicationName);
    ProfileStore::readSettings(profile, command.settings);

    if (command.format != OutputFormat::Html)
        return writeTable(command);
    QList<FileName> reports;
    if (command.output) {
        reports.append(*command.output);
    } else if (const auto problem = CommandFiles::reportsBeside(command.inputs, reports)) {
        printError(*problem);
        return BadInput;
    }
    int status = Success;
    for (qsizetype i = 0; i < command.inputs.size(); ++i)
        status = std::max(status, writeHtml(command, command.inputs.at(i), reports.at(i)));
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    // A standard stream that was closed is held by /dev/null opened for reading only: a file
    // opened later cannot take its number (and receive the messages or the table), and writing
    // to it still fails, so that the failure is told.
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) < 0 && errno == EBADF) {
            const int held = ::open("/dev/null", O_RDONLY);
            if (held >= 0 && held != stream) {
                ::dup2(held, stream);
                ::close(held);
            }
        }
    }
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(Product::Version);
    installTranslations(app);

    QCommandLineParser parser;
    parser.setApplicationDescription(CommandText::tr("Writes the Zantoria report of each deal file (*.zant) as an HTML page beside it, or the\n"
        "figures and loan analysis of all of them as one CSV table or JSON document.\n\n"
        "Exit status: 0 when all was written; 1 for wrong arguments or a faulty line in a deal\n"
        "file (no \"=\", a missing or unknown label, an unknown locale or currency, a figure too\n"
        "large to show, a text longer than 1,000 characters); 2 when a file cannot be read or\n"
        "written, or memory runs out. With several files the worst counts; CSV and JSON leave\n"
        "out the files that cannot be read. A figure that does not read as a number (\"abc\") is\n"
        "no error: it counts as 0, as it does in the program's window."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("DEAL.zant"),
                                 CommandText::tr("The deal files to read: regular files only, no folders, FIFOs "
                                     "or devices. Messages show a name's control characters and "
                                     "bytes that are no UTF-8 as \\xHH, and a backslash as \\\\."),
                                 QStringLiteral("DEAL.zant..."));
    const QCommandLineOption format(
        QStringLiteral("format"),
        CommandText::tr("html (the report, the default), csv (a line per loan of each file, the file's name "
            "first), json (one document; see docs/analysis-json.md) or jsonl (one deal's object a "
            "line, for jq and databases). csv and json give each "
            "loan's projection over the holding period, its IRR in a bear, the base and a bull "
            "market, and the highest price at which it still reaches the target IRR."),
        QStringLiteral("FORMAT"), QStringLiteral("html"));
    parser.addOption(format);
    const QCommandLineOption output(
        {QStringLiteral("o"), QStringLiteral("output")},
        CommandText::tr("Write to OUTPUT: for html instead of the deal file's name with the extension .htm "
            "(one deal file only); for csv and json instead of standard output. - is standard "
            "output. Without it each deal file gets its own report: of two whose reports would "
            "have the same name, the later keeps its whole name (deal.v2 gives deal.v2.htm); a run "
            "in which two would still write the same file, or that names a deal file twice, is "
            "refused before anything is written."),
        QStringLiteral("OUTPUT"));
    parser.addOption(output);
    const QCommandLineOption assume(
        QStringLiteral("assume"),
        CommandText::tr("Use NUMBER for an assumption of the holding period instead of the deal file's, for "
            "csv and json: LABEL is a label of the file's projection block (%1), NUMBER a plain "
            "number with \".\" as its point, in per cent for shares and rates: --assume "
            "Appreciation=4.5 --assume HoldYears=20. May be given many times.")
            .arg(assumptionLabels().join(QStringLiteral(", "))),
        QStringLiteral("LABEL=NUMBER"));
    parser.addOption(assume);
    const QCommandLineOption yearly(
        QStringLiteral("yearly"),
        CommandText::tr("With --format=csv: the holding period year by year, a line per file, loan and year, "
            "instead of a line per loan. With json and jsonl: each loan's projection and after-tax "
            "figures with their years."));
    parser.addOption(yearly);
    const QCommandLineOption pretty(
        QStringLiteral("pretty"),
        CommandText::tr("With --format=json: indented, for a person to read; without it the document is on "
            "one line."));
    parser.addOption(pretty);
    const QCommandLineOption jobs(
        QStringLiteral("jobs"),
        CommandText::tr("Compute N deal files at once (default: the number of processors); the output is the "
            "same, in the order of the command line."),
        QStringLiteral("N"));
    parser.addOption(jobs);
    // A mistake is told as Qt tells it, but with what was typed shown harmless.
    if (!parser.parse(QCoreApplication::arguments())) {
        printError(QCoreApplication::applicationName() + QStringLiteral(": ")
                   + CommandFiles::visible(parser.errorText().toUtf8()));
        return BadInput;
    }
    parser.process(app);

    try {
        return run(parser, Options{format, output, assume, yearly, pretty, jobs}, argc, argv);
    } catch (const std::bad_alloc &) {
        printError(CommandText::tr("Out of memory."));
        return FileError;
    }
}
