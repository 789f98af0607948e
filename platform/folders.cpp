#include "platform/folders.h"

#include <QDir>
#include <QStandardPaths>

QString StandardFolders::documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty() || !QDir().mkpath(documents))
        return QString();
    return documents;
}
