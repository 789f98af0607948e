#pragma once

#include "core/appsettings.h"
#include "ui/apphost.h"

#include <QObject>
#include <QStringList>

class MainDialog;

// The application object: owns the seven settings, runs the program's whole life in
// run() (profile in, main dialog, profile out) and carries out the commands the main
// dialog passes on (Calculator, Help Topics, the data folder).
class ZantoriaApp final : public QObject, public IAppHost
{
    Q_OBJECT

public:
    explicit ZantoriaApp(const PlatformServices &services);
    ~ZantoriaApp() override;

    // Reads settings and record, runs the main dialog modally and writes both back, however the
    // dialog ended. Always returns false: there is nothing left to run afterwards.
    bool run();
    // Deal files named on the command line, opened once the main dialog shows.
    void setFilesToOpen(const QStringList &paths) { m_filesToOpen = paths; }

    [[nodiscard]] AppSettings &settings() override { return m_settings; }
    [[nodiscard]] const PlatformServices &services() const override { return m_services; }
    bool getDataFolder(QString *path) override;
    void onToolsCalculator() override;
    void onHelp(HelpTopic topic) override;

    // The main dialog while run() shows it; null otherwise.
    [[nodiscard]] MainDialog *mainWindow() const { return m_mainWindow; }

protected:
    // F1 without modifiers asks the focus window and its parents for a help context.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Flushes the profile; when that fails, says so and lets the user retry, export the deal
    // or end without saving.
    void saveProfile(MainDialog &dlg);

    PlatformServices m_services;
    AppSettings m_settings;
    MainDialog *m_mainWindow = nullptr;
    QStringList m_filesToOpen;
};
