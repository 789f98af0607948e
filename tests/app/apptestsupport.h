#pragma once

#include "platform/profile.h"
#include "testdoubles.h"
#include "app/zantoriaapp.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class LoanAnalysisDialog;
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
