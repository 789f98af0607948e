#pragma once

#include "platform/profile.h"
#include "testdoubles.h"
#include "app/zantoriaapp.h"

#include <QBrush>
#include <QFont>
#include <QLineEdit>
#include <QModelIndex>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class LoanAnalysisDialog;
class QTableView;
class MainDialog;

// An application object on doubles: a recording shell, a documents folder in a temporary
// directory, a real profile file under Qt's test-mode settings folder and scripted prompts.
class AppFixture
{
public:
    AppFixture();
    ~AppFixture();

    // Runs the program's whole life; script acts on the shown main dialog and should end it
    // (the fixture ends it anyway afterwards, so a failed check cannot hang the test).
    void run(const std::function<void(MainDialog &)> &script);
    // Opens a fresh profile object on the same file, as the next run would.
    void reopenProfile();

    QTemporaryDir m_documents;
    RecordingShell m_shell;
    FixedFolders m_folders;
    std::unique_ptr<SettingsProfile> m_profile;
    ScriptedPrompt m_prompt;
    std::unique_ptr<ZantoriaApp> m_app;
    QString m_profileName;

private:
    // Start-up makes the data folder the current directory; the next test starts where this began.
    QString m_startDir;
};

// Shows the dialog, makes it active and waits until it has the keyboard.
bool activateAndWait(QWidget &window);

// The main dialog's edits and buttons by object name.
QLineEdit *editNamed(QWidget &dlg, const char *name);
// Imports dealFile with the keys' command, opens the Loan Analysis window with Ctrl+L and waits
// until it is active; nullptr if any step fails.
LoanAnalysisDialog *openAnalysis(AppFixture &fixture, MainDialog &dlg, const QString &dealFile);
QPushButton *button(QWidget &dlg, const char *name);
// Runs a command of the main dialog through its action, as the menu and the keys do.
bool trigger(QWidget &dlg, const char *action);

// A cell of a table view's model, read as the user sees it.
struct ShownCell
{
    QModelIndex index;

    [[nodiscard]] QString text() const { return index.data().toString(); }
    [[nodiscard]] QString toolTip() const { return index.data(Qt::ToolTipRole).toString(); }
    [[nodiscard]] QFont font() const { return index.data(Qt::FontRole).value<QFont>(); }
    [[nodiscard]] QBrush background() const { return brushOf(index.data(Qt::BackgroundRole)); }
    [[nodiscard]] QBrush foreground() const { return brushOf(index.data(Qt::ForegroundRole)); }

private:
    static QBrush brushOf(const QVariant &value)
    {
        if (!value.isValid())
            return {};
        return value.canConvert<QBrush>() && value.userType() == QMetaType::QBrush ? value.value<QBrush>()
                                                                                   : QBrush(value.value<QColor>());
    }
};

// The cell in column of the row whose header reads rowLabel; an invalid one where no row does.
ShownCell cellIn(const QTableView &view, const QString &rowLabel, int column);
// A column's header text (or another role of it).
QString columnHeader(const QTableView &view, int column, int role = Qt::DisplayRole);
