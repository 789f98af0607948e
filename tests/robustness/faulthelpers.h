#pragma once

// Small helpers shared by the failure tests, beside the main dialog's (apptestsupport.h) and the
// files' (testfiles.h): looking at folders before and after something went wrong.

#include "apptestsupport.h"
#include "testfiles.h"

#include <QDir>
#include <QString>
#include <QStringList>

namespace FaultTest {

// Every entry of a folder, hidden ones included: a temporary file left behind shows up here.
inline QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                      | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

} // namespace FaultTest
