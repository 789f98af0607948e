#pragma once

// The main window. MainDialog owns the deal record and moves it between the record and the edits
// only through updateControls (out) and updateRecord (in), with showLoan and storeLoan for the
// loan on screen; a value edit is reformatted whenever it loses the focus, and
// the description and lender edits reach the record as they change.
// Commands dispatch to the other pieces: Report writes the report, CExchangeFile reads and writes
// deal files, SettingsDialog edits the application's settings, and the application object (an
// IAppHost) supplies the data folder, the calculator, the help and the platform services.

#include "core/dealrecord.h"
#include "platform/recentfiles.h"

#include <QDialog>
#include <QPointer>

#include <memory>
#include <vector>

class LoanAnalysisDialog;
struct DealField;
class IAppHost;
class QAction;
class QKeySequence;
class QMenu;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace Ui {
class MainDialog;
}

class MainDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MainDialog(IAppHost &app, QWidget *parent = nullptr);
    ~MainDialog() override;

    // Shows the record and runs the dialog until it ends.
    int run();

    // The deal as the window holds it; what is typed reaches it through updateRecord().
    [[nodiscard]] const DealRecord &record() const { return m_record; }
    // Replaces the deal and shows it in the edits.
    void setRecord(const DealRecord &record);

    void updateControls();
    void updateRecord();

    // Commands, also reachable from the menu and keys.
    void onCreateReport();
    void onFileImport();
    void onFileExport();
    // Asks where to and exports the deal; true once it is written.
    bool exportDeal();
    void onFileExit();
    void onToolsSettings();
    void onToolsLoanAnalysis();
    void onHelpAbout();
    void onPrevious();
    void onNext();

    // Imports a deal file as Import Data does, for a file named on the command line or picked
    // from the recently used files.
    void openFile(const QString &path);
    // The files named on the command line: the first is opened, any others are named in a message.
    void openCommandLineFiles(const QStringList &paths);

signals:
    // The record's figures may have changed: a value edit was left, or the record was copied
    // from or to the edits.
    void recordChanged();
    // The description or a lender was typed: the figures are as they were.
    void textsChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void done(int result) override;

private:
    void prepare();
    void showLoan();
    void storeLoan();
    void commitTypedFigure(QLineEdit *edit);
    [[nodiscard]] Value &fieldOf(QLineEdit *edit);

    // An edit and the field of the deal it shows; a loan's field is that of the loan on screen.
    struct FieldEdit
    {
        QLineEdit *edit;
        const DealField *field;
    };
    void bindFields();
    void bindText(const FieldEdit &bound);
    void bindFigure(QLineEdit *edit);
    void showFields(bool perLoan);
    void storeFields(bool perLoan);
    bool importFile(const QString &path);
    void rememberFile(const QString &path);
    void fillRecentMenu();
    void describeValueEdits();
    void createMenu();
    QAction *addCommand(QMenu *menu, const QString &text, const QKeySequence &key,
                        void (MainDialog::*handler)());

    IAppHost &m_app;
    DealRecord m_record;
    QPointer<LoanAnalysisDialog> m_analysis;
    std::unique_ptr<Ui::MainDialog> m_ui;
    QMenuBar *m_menuBar = nullptr;
    QMenu *m_recentMenu = nullptr;
    RecentFiles m_recentFiles;
    QPushButton *m_previous = nullptr;
    QPushButton *m_next = nullptr;
    std::vector<FieldEdit> m_fieldEdits;
    bool m_ending = false;
};
