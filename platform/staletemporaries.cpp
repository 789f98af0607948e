#include "platform/staletemporaries.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <atomic>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/types.h>
#endif

namespace {

const QString Tag = QStringLiteral("zantoria-");

// True only when no process with this id runs: a process of another user, or one the system
// will not tell about, counts as running.
bool processIsGone(qint64 pid)
{
#ifdef Q_OS_UNIX
    if (pid <= 0 || pid != qint64(pid_t(pid)))
        return false;
    return ::kill(pid_t(pid), 0) == -1 && errno == ESRCH;
#else
    Q_UNUSED(pid);
    return false;
#endif
}

} // namespace

QByteArray ownTemporaryName(const QString &path, const char *purpose)
{
    static std::atomic<unsigned> counter{0};
    return QFile::encodeName(path + QStringLiteral(".%1%2-%3-%4")
                                        .arg(Tag, QLatin1String(purpose),
                                             QString::number(QCoreApplication::applicationPid()),
                                             QString::number(++counter)));
}

void removeStaleTemporaries(const QString &path, const QStringList &purposes)
{
    if (purposes.isEmpty())
        return;
    QStringList alternatives;
    for (const QString &purpose : purposes)
        alternatives << QRegularExpression::escape(purpose);
    const QFileInfo target(path);
    const QRegularExpression leftover(
        QStringLiteral("^%1\\.%2(?:%3)-([1-9][0-9]{0,9})-[1-9][0-9]{0,9}$")
            .arg(QRegularExpression::escape(target.fileName()), QRegularExpression::escape(Tag),
                 alternatives.join(QLatin1Char('|'))));
    const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QFileInfoList entries =
        target.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QRegularExpressionMatch match = leftover.match(entry.fileName());
        if (match.hasMatch() && !entry.isSymLink() && entry.lastModified().toUTC() < stale
            && processIsGone(match.captured(1).toLongLong()))
            QFile::remove(entry.filePath());
    }
}
