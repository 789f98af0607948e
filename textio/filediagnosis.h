#pragma once

#include "textio/fileexception.h"

#include <QString>

// Why a file could not be opened. Qt's file classes give only a text ("Unknown error" in places),
// so the cause is found afresh from the file system just after the failure.
namespace FileDiagnosis {

struct Result
{
    FileException::Cause cause;
    int osError; // errno, -1 when there is none
};

// For creating or replacing path through a temporary file in its folder: a missing folder or a
// name the system cannot hold is badPath; a folder that cannot be written, a read-only target
// or a target that is a directory is accessDenied; the rest follows the system's error number.
[[nodiscard]] Result forWriting(const QString &path);

// Whether the system can hold path as the name of a file at all, before anything is tried: a
// name too long or a folder part that is no folder is badPath. QSaveFile would otherwise open
// (its temporary file's name is shortened to fit) and fail only at the rename. Gives cause none
// when nothing is wrong with the name.
[[nodiscard]] Result checkName(const QString &path);

// For reading an existing file: a missing file is fileNotFound, a directory or an unreadable
// file accessDenied, a path the system cannot use badPath.
[[nodiscard]] Result forReading(const QString &path);

} // namespace FileDiagnosis
