#include "ui/aboutdialog.h"

#include "ui/appicon.h"
#include "ui/dialogunits.h"
#include "platform/help.h"
#include "core/product.h"
#include "platform/shell.h"
#include "ui_aboutdialog.h"

#include <QIcon>
#include <QLayout>
#include <QPushButton>

AboutDialog::AboutDialog(IShell &shell, QWidget *parent)
    : QDialog(parent), m_shell(shell), m_ui(std::make_unique<Ui::AboutDialog>())
{
    m_ui->setupUi(this);
    setProperty("helpContext", QVariant::fromValue(HelpTopic::AboutBox));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    m_ui->labelIcon->setPixmap(appIcon().pixmap(32, 32));
    m_ui->labelWebsite->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(Product::WebSite));
    connect(m_ui->labelWebsite, &QLabel::linkActivated, this, &AboutDialog::onClickWebsiteLink);
    connect(m_ui->btnOk, &QPushButton::clicked, this, &QDialog::accept);
    m_ui->btnOk->setFocus();
    // The box's template is 232 by 115 dialog units; it grows only when its texts need more.
    setFixedSize(dialogUnitsToPixels(font(), QSize(232, 115)).expandedTo(layout()->minimumSize()));
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::onClickWebsiteLink(const QString &url)
{
    // The box stays open while the browser comes up.
    m_shell.openUrl(url);
}
