#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Temporary names the program gives files beside one it replaces, and the removal of those a
// killed or crashed copy of the program left behind.
//
// A name is "<name>.zantoria-<purpose>-<process id>-<counter>": the tag and the process id tell
// the program's own leftover from anything else in the folder. Files only resembling such a
// name, and the "<name>.XXXXXX" temporaries of QSaveFile, are never touched: the user may well
// keep "zantoria.conf.backup" or "deal.zant.draft1" beside the originals.

// A name beside path that no other file of this process has had (native encoding).
[[nodiscard]] QByteArray ownTemporaryName(const QString &path, const char *purpose);

// Removes the files beside path that OwnTemporaryName gave for one of purposes in a process that
// no longer runs. Only files older than a minute go, as a second safeguard: a process id says
// little about a copy on another machine sharing the folder.
void removeStaleTemporaries(const QString &path, const QStringList &purposes);
