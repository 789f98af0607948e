#include "staletemporaries.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

void RemoveStaleTemporaries(const QString &path, const QStringList &tags)
{
    const QFileInfo target(path);
    QStringList alternatives = {QStringLiteral("[A-Za-z0-9]{6}")};
    for (const QString &tag : tags)
        alternatives << QRegularExpression::escape(tag) + QStringLiteral("-[0-9]+-[0-9]+");
    const QRegularExpression leftover(QStringLiteral("^%1\\.(?:%2)$")
                                          .arg(QRegularExpression::escape(target.fileName()),
                                               alternatives.join(QLatin1Char('|'))));
    const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QFileInfoList entries =
        target.dir().entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (leftover.match(entry.fileName()).hasMatch() && entry.lastModified().toUTC() < stale)
            QFile::remove(entry.filePath());
    }
}
