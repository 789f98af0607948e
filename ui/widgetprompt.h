#pragma once

#include "ui/prompt.h"

// Message boxes and file dialogs on Qt Widgets, owned by the window that is active when asked.
class CWidgetPrompt final : public IPrompt
{
public:
    int MessageBox(const QString &text, Buttons buttons, Icon icon) override;
    [[nodiscard]] QString GetSaveFileName(const QString &title, const QString &filter,
                                          const QString &defaultExtension) override;
    [[nodiscard]] QString GetOpenFileName(const QString &title, const QString &filter,
                                          const QString &defaultExtension) override;
};
