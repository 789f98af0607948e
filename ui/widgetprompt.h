#pragma once

#include "ui/prompt.h"

// Message boxes and file dialogs on Qt Widgets, owned by the window that is active when asked.
class WidgetPrompt final : public IPrompt
{
public:
    Answer messageBox(const QString &text, Buttons buttons, Icon icon) override;
    [[nodiscard]] QString getSaveFileName(const QString &title, const QString &filter,
                                          const QString &defaultExtension) override;
    [[nodiscard]] QString getOpenFileName(const QString &title, const QString &filter,
                                          const QString &defaultExtension) override;
};
