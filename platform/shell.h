#pragma once

#include <QString>

// Hands documents, web addresses and programs to the desktop. Each call says whether something
// could be started, so that the caller can tell the user when nothing was: true means only that
// the desktop's launcher or the program started, not that it showed anything.
class IShell
{
public:
    virtual ~IShell() = default;
    // A local file, opened in the application associated with its type.
    virtual bool openDocument(const QString &path) = 0;
    // A web address, opened in the browser.
    virtual bool openUrl(const QString &url) = 0;
    // A program, started from the whole command text as one item: a text with arguments after
    // the program's name starts nothing.
    virtual bool startProgram(const QString &command) = 0;
};

class DesktopShell final : public IShell
{
public:
    bool openDocument(const QString &path) override;
    bool openUrl(const QString &url) override;
    bool startProgram(const QString &command) override;
};

// The platform's desktop calculator: the first of the common Linux calculators found on PATH.
[[nodiscard]] QString defaultCalculatorCommand();
