#pragma once

#include <QString>

#include <exception>
#include <string>


// A file error: what went wrong (the cause) and the file it concerns. Reporting it shows the
// cause's text with "%1" replaced by the path, in a message box with an OK button and a warning
// icon. Thrown by the text files (TextFile, StdioFile) and caught by the commands that use them.
class FileException : public std::exception
{
public:
    enum Cause {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        notSeekable,
        hardIO,
        busy,
        lockFailed,
        diskFull,
        tooLarge
    };

    // osError: the operating system's error number (errno), -1 when there is none.
    FileException(Cause cause, QString fileName, int osError = -1);

    // The cause's text, translated, with every "%1" replaced by m_fileName.
    [[nodiscard]] QString message() const;

    // The cause's text with its "%1" placeholder, translated ("%1 was not found.").
    [[nodiscard]] static QString causeText(Cause cause);
    // The cause that an operating-system error number (errno) stands for.
    [[nodiscard]] static Cause causeFromErrno(int error);
    [[noreturn]] static void throwErrno(int error, const QString &fileName);

    // The message, UTF-8, as it was when the exception was made.
    [[nodiscard]] const char *what() const noexcept override;

    Cause m_cause;
    QString m_fileName;
    int m_osError;

private:
    std::string m_what;
};
