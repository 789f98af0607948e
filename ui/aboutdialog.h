#pragma once

#include <QDialog>

#include <memory>

class IShell;

namespace Ui {
class AboutDialog;
}

// The About box: icon, product and version, and a link to the product's web site.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(IShell &shell, QWidget *parent = nullptr);
    ~AboutDialog() override;

private:
    void onClickWebsiteLink(const QString &url);

    IShell &m_shell;
    std::unique_ptr<Ui::AboutDialog> m_ui;
};
