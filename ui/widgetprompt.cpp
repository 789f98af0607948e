#include "ui/widgetprompt.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QWidget *owner()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QMessageBox::Icon toMessageBoxIcon(IPrompt::Icon icon)
{
    switch (icon) {
    case IPrompt::Icon::Information:
        return QMessageBox::Information;
    case IPrompt::Icon::Warning:
        return QMessageBox::Warning;
    case IPrompt::Icon::Error:
        return QMessageBox::Critical;
    case IPrompt::Icon::Question:
        return QMessageBox::Question;
    case IPrompt::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString runFileDialog(QFileDialog::AcceptMode mode, const QString &title, const QString &filter,
                      const QString &defaultExtension)
{
    QFileDialog dialog(owner(), title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(defaultExtension);
    // Save As asks before replacing a file (Qt's default); neither offers a read-only check box.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

IPrompt::Answer WidgetPrompt::messageBox(const QString &text, Buttons buttons, Icon icon)
{
    QMessageBox box(toMessageBoxIcon(icon), QCoreApplication::applicationName(), text,
                    QMessageBox::NoButton, owner());
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::RetryExportDiscard: {
        QPushButton *retry = box.addButton(QMessageBox::Retry);
        QPushButton *exportButton = box.addButton(
            QCoreApplication::translate("WidgetPrompt", "&Export..."), QMessageBox::ActionRole);
        QPushButton *discard = box.addButton(QMessageBox::Discard);
        box.setDefaultButton(retry);
        box.setEscapeButton(discard);
        box.exec();
        if (box.clickedButton() == retry)
            return Answer::Retry;
        if (box.clickedButton() == exportButton)
            return Answer::Export;
        return Answer::Cancel;
    }
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

QString WidgetPrompt::getSaveFileName(const QString &title, const QString &filter,
                                       const QString &defaultExtension)
{
    return runFileDialog(QFileDialog::AcceptSave, title, filter, defaultExtension);
}

QString WidgetPrompt::getOpenFileName(const QString &title, const QString &filter,
                                       const QString &defaultExtension)
{
    return runFileDialog(QFileDialog::AcceptOpen, title, filter, defaultExtension);
}
