#pragma once

#include <QDialog>

#include <memory>

class IShell;

namespace Ui {
class CAboutDlg;
}

// The About box: icon, product and version, and a link to the product's web site.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(IShell &shell, QWidget *parent = nullptr);
    ~CAboutDlg() override;

private:
    void OnClickWebsiteLink(const QString &url);

    IShell &m_shell;
    std::unique_ptr<Ui::CAboutDlg> m_ui;
};
