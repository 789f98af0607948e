#pragma once

#include <QString>
#include <QStringList>

// Removes what an interrupted save of the file at path left beside it: the temporary files of
// QSaveFile ("<name>.XXXXXX", six letters or digits) and, for each tag given, the program's own
// "<name>.<tag>-PID-N". Only files older than a minute go: a save in progress takes milliseconds,
// so whatever is older was left by a save that was killed or crashed.
void RemoveStaleTemporaries(const QString &path, const QStringList &tags = {});
