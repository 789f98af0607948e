#include "app/commandfiles.h"

#include "textio/fileexception.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A text marked with QT_TRANSLATE_NOOP("CommandFiles", ...), where lupdate finds it, translated.
QString Tr(const char *text)
{
    return QCoreApplication::translate("CommandFiles", text);
}

// An open file or folder, closed when it goes out of scope; -1 when it could not be opened.
class CDescriptor
{
public:
    explicit CDescriptor(int fd) : m_fd(fd) {}
    ~CDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    CDescriptor(const CDescriptor &) = delete;
    CDescriptor &operator=(const CDescriptor &) = delete;
    [[nodiscard]] int Fd() const { return m_fd; }
    // A name for it that is plain text whatever its own name.
    [[nodiscard]] QString Path() const { return QStringLiteral("/proc/self/fd/%1").arg(m_fd); }

private:
    int m_fd;
};

QByteArray FolderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray() : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray BaseOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

bool CopyToStandardOutput(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    while (!file.atEnd()) {
        if (!CommandFiles::WriteStandardOutput(file.read(1 << 16)))
            return false;
    }
    return true;
}

// What tells a file from any other, however it is named: its device and inode when it exists,
// else its folder's with its own name, else the name as it is.
QByteArray Identity(const QByteArray &path)
{
    struct stat info {};
    if (::stat(path.constData(), &info) == 0)
        return "file " + QByteArray::number(quint64(info.st_dev)) + ' ' + QByteArray::number(quint64(info.st_ino));
    const QByteArray folder = FolderOf(path);
    if (::stat(folder.isEmpty() ? "." : folder.constData(), &info) == 0)
        return "name " + QByteArray::number(quint64(info.st_dev)) + ' ' + QByteArray::number(quint64(info.st_ino))
               + '/' + BaseOf(path);
    return "path " + path;
}

} // namespace

bool CommandFiles::WriteStandardOutput(const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(STDOUT_FILENO, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const QString why = qt_error_string(written < 0 ? errno : EIO);
            std::fprintf(stderr, "%s\n",
                         qPrintable(Tr(QT_TRANSLATE_NOOP("CommandFiles", "Cannot write to standard output: %1."))
                                        .arg(why)));
            return false;
        }
        done += written;
    }
    return true;
}

QString CommandFiles::Visible(const QByteArray &name)
{
    QString shown;
    for (qsizetype i = 0; i < name.size();) {
        const auto lead = uchar(name.at(i));
        const qsizetype length = lead < 0x80 ? 1 : lead >= 0xc2 && lead <= 0xdf ? 2
                                 : lead >= 0xe0 && lead <= 0xef            ? 3
                                 : lead >= 0xf0 && lead <= 0xf4            ? 4
                                                                           : 0;
        // A sequence is whole and the shortest form of its character when it reads back as itself.
        const QByteArray sequence = name.mid(i, length);
        const QString character = QString::fromUtf8(sequence);
        if (length == 0 || sequence.size() != length || character.toUtf8() != sequence) {
            shown += QStringLiteral("\\x%1").arg(uint(lead), 2, 16, QLatin1Char('0'));
            ++i;
            continue;
        }
        i += length;
        const char32_t code = character.toUcs4().constFirst();
        if (code < 0x20 || code == 0x7f)
            shown += QStringLiteral("\\x%1").arg(uint(code), 2, 16, QLatin1Char('0'));
        else if ((code >= 0x80 && code <= 0x9f) || code == 0x200e || code == 0x200f
                 || (code >= 0x2028 && code <= 0x202e) || (code >= 0x2066 && code <= 0x2069))
            shown += QStringLiteral("\\u%1").arg(uint(code), 4, 16, QLatin1Char('0'));
        else if (code == '\\')
            shown += QStringLiteral("\\\\");
        else
            shown += character;
    }
    return shown;
}

CFileName CFileName::FromArgument(const QByteArray &argument)
{
    return {argument, QFile::decodeName(argument), CommandFiles::Visible(argument)};
}

bool CFileName::IsText() const
{
    return QFile::encodeName(text) == bytes;
}

CFileName CommandFiles::ReportBeside(const CFileName &deal)
{
    const QByteArray base = BaseOf(deal.bytes);
    const qsizetype dot = base.lastIndexOf('.');
    const QByteArray stem = deal.bytes.left(deal.bytes.size() - base.size()
                                            + (dot > 0 ? dot : base.size()));
    return CFileName::FromArgument(stem + ".htm");
}

std::optional<QString> CommandFiles::ReportsBeside(const QList<CFileName> &deals, QList<CFileName> &reports)
{
    reports.clear();
    struct TakenName
    {
        qsizetype deal; // whose deal file or report it is
        bool report;
    };
    QHash<QByteArray, TakenName> taken;
    for (qsizetype i = 0; i < deals.size(); ++i) {
        const QByteArray identity = Identity(deals.at(i).bytes);
        if (taken.contains(identity)) {
            return Tr(QT_TRANSLATE_NOOP("CommandFiles", "%1 is named twice: it would get two reports."))
                .arg(deals.at(i).shown);
        }
        taken.insert(identity, {i, false});
    }
    for (qsizetype i = 0; i < deals.size(); ++i) {
        CFileName report = ReportBeside(deals.at(i));
        QByteArray identity = Identity(report.bytes);
        if (taken.contains(identity)) {
            report = CFileName::FromArgument(deals.at(i).bytes + ".htm");
            identity = Identity(report.bytes);
        }
        if (const auto other = taken.constFind(identity); other != taken.cend()) {
            reports.clear();
            if (!other->report)
                return Tr(QT_TRANSLATE_NOOP("CommandFiles",
                                            "The report of %1 would replace the deal file %2: "
                                            "write it elsewhere with -o."))
                    .arg(deals.at(i).shown, deals.at(other->deal).shown);
            return Tr(QT_TRANSLATE_NOOP("CommandFiles",
                                        "The reports of %1 and %2 would both be %3: write them one "
                                        "at a time with -o."))
                .arg(deals.at(other->deal).shown, deals.at(i).shown, report.shown);
        }
        taken.insert(identity, {i, true});
        reports.append(report);
    }
    return std::nullopt;
}

std::optional<QString> CommandFiles::OutputProblem(const CFileName &output, const CFileName &input)
{
    if (output.IsStandardOutput())
        return std::nullopt;
    struct stat out {};
    if (::stat(output.bytes.constData(), &out) != 0)
        return std::nullopt; // a new file
    if (S_ISDIR(out.st_mode))
        return Tr(QT_TRANSLATE_NOOP("CommandFiles",
                                    "Cannot write the report to %1: it is a folder."))
            .arg(output.shown);
    if (!S_ISREG(out.st_mode))
        return Tr(QT_TRANSLATE_NOOP("CommandFiles",
                                    "Cannot write the report to %1: it is not a regular file."))
            .arg(output.shown);
    struct stat in {};
    if (::stat(input.bytes.constData(), &in) == 0 && in.st_dev == out.st_dev
        && in.st_ino == out.st_ino)
        return Tr(QT_TRANSLATE_NOOP("CommandFiles",
                                    "Cannot write the report to %1: it is the deal file being read."))
            .arg(output.shown);
    return std::nullopt;
}

std::optional<QString> CommandFiles::ReadInput(const CFileName &input, const Reader &read)
{
    // Opening does not wait for a FIFO's writer; the checks then concern the file opened.
    const CDescriptor file(::open(input.bytes.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.Fd() < 0) {
        const int error = errno;
        // A socket cannot be opened at all.
        if (::stat(input.bytes.constData(), &info) != 0 || S_ISREG(info.st_mode) || S_ISDIR(info.st_mode))
            CFileException::ThrowErrno(error, input.shown);
    } else if (::fstat(file.Fd(), &info) != 0) {
        CFileException::ThrowErrno(errno, input.shown);
    }
    if (S_ISDIR(info.st_mode))
        return Tr(QT_TRANSLATE_NOOP("CommandFiles", "%1 is a folder, not a deal file."))
            .arg(input.shown);
    if (!S_ISREG(info.st_mode))
        return Tr(QT_TRANSLATE_NOOP("CommandFiles", "%1 is a pipe, socket or device, not a deal file."))
            .arg(input.shown);
    // The open file is reached again through its descriptor's name, which is plain text.
    read(file.Path());
    return std::nullopt;
}

bool CommandFiles::WriteOutput(const CFileName &output, const Writer &write)
{
    if (output.IsStandardOutput()) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("report.htm"));
        return folder.isValid() && write(path) && CopyToStandardOutput(path);
    }
    if (output.IsText())
        return write(output.text);
    const QByteArray folderName = FolderOf(output.bytes);
    const CDescriptor folder(::open(folderName.isEmpty() ? "." : folderName.constData(),
                                    O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Fd() < 0)
        return write(output.text); // which then says why the folder cannot be reached
    const QByteArray temporary = ".zantoria-report-" + QByteArray::number(::getpid()) + ".htm";
    if (!write(folder.Path() + QLatin1Char('/') + QFile::decodeName(temporary)))
        return false;
    if (::renameat(folder.Fd(), temporary.constData(), folder.Fd(), BaseOf(output.bytes).constData())
        == 0)
        return true;
    const int error = errno;
    ::unlinkat(folder.Fd(), temporary.constData(), 0);
    std::fprintf(stderr, "%s\n", CFileException(CFileException::CauseFromErrno(error), output.shown)
                                     .Message()
                                     .toLocal8Bit()
                                     .constData());
    return false;
}
