#pragma once

#include "platform/help.h"

#include <QString>

class IFolders;
class IProfile;
class IPrompt;
class IShell;
struct AppSettings;

// The platform services the program runs on: real ones in the program, doubles in tests.
struct PlatformServices
{
    IShell *shell = nullptr;
    IFolders *folders = nullptr;
    IProfile *profile = nullptr;
    IPrompt *prompt = nullptr;
};

// What the dialogs ask of the application object: its settings, its services and the commands
// it carries out for them.
class IAppHost
{
public:
    virtual ~IAppHost() = default;
    [[nodiscard]] virtual AppSettings &settings() = 0;
    [[nodiscard]] virtual const PlatformServices &services() const = 0;
    // Sets *path to the data folder (documents folder plus "ZANT"), created when missing. False
    // when no documents folder is known or the folder cannot be made.
    virtual bool getDataFolder(QString *path) = 0;
    // Tools, Calculator: starts the settings' calculator command.
    virtual void onToolsCalculator() = 0;
    // Help Topics: opens the help at a dialog's topic.
    virtual void onHelp(HelpTopic topic) = 0;
};
