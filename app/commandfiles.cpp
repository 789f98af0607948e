#include "app/commandfiles.h"

#include "core/texts.h"
#include "textio/descriptor.h"
#include "textio/fileexception.h"
#include "textio/savefile.h"
#include "textio/stdiofile.h"

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

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray() : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray baseOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

bool copyToStandardOutput(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    while (!file.atEnd()) {
        if (!CommandFiles::writeStandardOutput(file.read(1 << 16)))
            return false;
    }
    return true;
}

// What tells a file from any other, however it is named: its device and inode when it exists,
// else its folder's with its own name, else the name as it is.
QByteArray identityOf(const QByteArray &path)
{
    struct stat info {};
    if (::stat(path.constData(), &info) == 0)
        return "file " + QByteArray::number(quint64(info.st_dev)) + ' ' + QByteArray::number(quint64(info.st_ino));
    const QByteArray folder = folderOf(path);
    if (::stat(folder.isEmpty() ? "." : folder.constData(), &info) == 0)
        return "name " + QByteArray::number(quint64(info.st_dev)) + ' ' + QByteArray::number(quint64(info.st_ino))
               + '/' + baseOf(path);
    return "path " + path;
}

} // namespace

bool CommandFiles::writeStandardOutput(const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t written = ::write(STDOUT_FILENO, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            const QString why = qt_error_string(written < 0 ? errno : EIO);
            std::fprintf(stderr, "%s\n",
                         qPrintable(CommandFilesText::tr("Cannot write to standard output: %1.")
                                        .arg(why)));
            return false;
        }
        done += written;
    }
    return true;
}

QString CommandFiles::visible(const QByteArray &name)
{
    QString shown;
    for (qsizetype i = 0; i < name.size();) {
        const auto lead = uchar(name.at(i));
        // Most names are printable ASCII, shown as they are: a market's files are many.
        if (lead >= 0x20 && lead < 0x7f && lead != '\\') {
            shown += QLatin1Char(char(lead));
            ++i;
            continue;
        }
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

FileName FileName::fromArgument(const QByteArray &argument)
{
    return {argument, QFile::decodeName(argument), CommandFiles::visible(argument)};
}

bool FileName::isText() const
{
    return QFile::encodeName(text) == bytes;
}

FileName CommandFiles::reportBeside(const FileName &deal)
{
    const QByteArray base = baseOf(deal.bytes);
    const qsizetype dot = base.lastIndexOf('.');
    const QByteArray stem = deal.bytes.left(deal.bytes.size() - base.size()
                                            + (dot > 0 ? dot : base.size()));
    return FileName::fromArgument(stem + ".htm");
}

std::optional<QString> CommandFiles::reportsBeside(const QList<FileName> &deals, QList<FileName> &reports)
{
    reports.clear();
    struct TakenName
    {
        qsizetype deal; // whose deal file or report it is
        bool report;
    };
    QHash<QByteArray, TakenName> taken;
    for (qsizetype i = 0; i < deals.size(); ++i) {
        const QByteArray identity = identityOf(deals.at(i).bytes);
        if (taken.contains(identity)) {
            return CommandFilesText::tr("%1 is named twice: it would get two reports.")
                .arg(deals.at(i).shown);
        }
        taken.insert(identity, {i, false});
    }
    for (qsizetype i = 0; i < deals.size(); ++i) {
        FileName report = reportBeside(deals.at(i));
        QByteArray identity = identityOf(report.bytes);
        if (taken.contains(identity)) {
            report = FileName::fromArgument(deals.at(i).bytes + ".htm");
            identity = identityOf(report.bytes);
        }
        if (const auto other = taken.constFind(identity); other != taken.cend()) {
            reports.clear();
            if (!other->report)
                return CommandFilesText::tr("The report of %1 would replace the deal file %2: "
                                            "write it elsewhere with -o.")
                    .arg(deals.at(i).shown, deals.at(other->deal).shown);
            return CommandFilesText::tr("The reports of %1 and %2 would both be %3: write them one "
                                        "at a time with -o.")
                .arg(deals.at(other->deal).shown, deals.at(i).shown, report.shown);
        }
        taken.insert(identity, {i, true});
        reports.append(report);
    }
    return std::nullopt;
}

std::optional<QString> CommandFiles::outputProblem(const FileName &output, const FileName &input)
{
    if (output.isStandardOutput())
        return std::nullopt;
    struct stat out {};
    if (::stat(output.bytes.constData(), &out) != 0)
        return std::nullopt; // a new file
    if (S_ISDIR(out.st_mode))
        return CommandFilesText::tr("Cannot write the report to %1: it is a folder.")
            .arg(output.shown);
    if (!S_ISREG(out.st_mode))
        return CommandFilesText::tr("Cannot write the report to %1: it is not a regular file.")
            .arg(output.shown);
    struct stat in {};
    if (::stat(input.bytes.constData(), &in) == 0 && in.st_dev == out.st_dev
        && in.st_ino == out.st_ino)
        return CommandFilesText::tr("Cannot write the report to %1: it is the deal file being read.")
            .arg(output.shown);
    return std::nullopt;
}

std::optional<QString> CommandFiles::readInput(const FileName &input, const Reader &read)
{
    // Opening does not wait for a FIFO's writer; the checks then concern the file opened.
    const Descriptor file(::open(input.bytes.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (file.fd() < 0) {
        const int error = errno;
        // A socket cannot be opened at all.
        if (::stat(input.bytes.constData(), &info) != 0 || S_ISREG(info.st_mode) || S_ISDIR(info.st_mode))
            FileException::throwErrno(error, input.shown);
    } else if (::fstat(file.fd(), &info) != 0) {
        FileException::throwErrno(errno, input.shown);
    }
    if (S_ISDIR(info.st_mode))
        return CommandFilesText::tr("%1 is a folder, not a deal file.")
            .arg(input.shown);
    if (!S_ISREG(info.st_mode))
        return CommandFilesText::tr("%1 is a pipe, socket or device, not a deal file.")
            .arg(input.shown);
    // Read through the descriptor checked: opening the file again by a name would cost a
    // market's thousands of files as much again.
    StdioFile text = StdioFile::fromDescriptor(file.fd(), qint64(info.st_size), input.shown);
    read(text);
    return std::nullopt;
}

bool CommandFiles::writeOutput(const FileName &output, const Writer &write)
{
    if (output.isStandardOutput()) {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("report.htm"));
        return folder.isValid() && write(path) && copyToStandardOutput(path);
    }
    if (output.isText())
        return write(output.text);
    try {
        return SaveFile::saveAs(output.bytes, write);
    } catch (const FileException &exception) {
        std::fprintf(stderr, "%s\n",
                     FileException(exception.m_cause, output.shown, exception.m_osError)
                         .message()
                         .toLocal8Bit()
                         .constData());
    }
    return false;
}
