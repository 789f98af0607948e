#pragma once

#include <QString>

// Hands documents, web addresses and programs to the desktop. Results are not reported: a
// target that cannot be opened produces no message from the program.
class IShell
{
public:
    virtual ~IShell() = default;
    // A local file, opened in the application associated with its type.
    virtual void OpenDocument(const QString &path) = 0;
    // A web address, opened in the browser.
    virtual void OpenUrl(const QString &url) = 0;
    // A program, started from the whole command text as one item: a text with arguments after
    // the program's name starts nothing.
    virtual void StartProgram(const QString &command) = 0;
};

class CDesktopShell final : public IShell
{
public:
    void OpenDocument(const QString &path) override;
    void OpenUrl(const QString &url) override;
    void StartProgram(const QString &command) override;
};

// The platform's desktop calculator: the first of the common Linux calculators found on PATH.
[[nodiscard]] QString DefaultCalculatorCommand();
