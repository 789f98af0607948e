#pragma once

#include <QString>

// Message boxes and file dialogs, behind one small interface so that tests answer them without a
// person. Only the user interface shows messages; the layers below return theirs.
class IPrompt
{
public:
    enum class Icon { None, Information, Warning, Error, Question };
    // RetryExportDiscard: Retry, Export... and Discard; Discard answers Cancel.
    enum class Buttons { Ok, YesNo, RetryExportDiscard };
    // The button the user pressed; closing the box without one answers Cancel (No for Yes/No).
    enum class Answer { Ok, Cancel, Retry, Yes, No, Export };

    virtual ~IPrompt() = default;

    // A message box with the application's name as caption. Returns the button pressed.
    virtual Answer messageBox(const QString &text, Buttons buttons, Icon icon) = 0;
    // A failure the user can only acknowledge: OK and a warning icon.
    void warn(const QString &text) { messageBox(text, Buttons::Ok, Icon::Warning); }
    // Save As, titled with what is saved: asks before replacing an existing file; a name without
    // extension gets defaultExtension. Empty when cancelled.
    [[nodiscard]] virtual QString getSaveFileName(const QString &title, const QString &filter,
                                                  const QString &defaultExtension) = 0;
    // Open, titled with what is opened: accepts only an existing file. Empty when cancelled.
    [[nodiscard]] virtual QString getOpenFileName(const QString &title, const QString &filter,
                                                  const QString &defaultExtension) = 0;
};
