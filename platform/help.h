#pragma once

#include <QMetaType>
#include <QString>

class QLocale;

// The help manual: HTML pages installed with the program and opened in the browser at the topic of
// the dialog that asks. A window answers F1 with the topic in its "helpContext" property.
enum class HelpTopic {
    MainDialog,
    AboutBox,
    SettingsDialog,
    LoanAnalysis,
    Projection,
    Scenarios,
    Sensitivity,
    LoanCost,
    AfterTax,
};
Q_DECLARE_METATYPE(HelpTopic)

// The help folder of the running program: the installed one beside the executable, else the
// pages in the source tree (a program run from its build folder).
[[nodiscard]] QString helpFolder();
// The same choice for an executable in applicationDir.
[[nodiscard]] QString helpFolderFor(const QString &applicationDir);

// The pages in the user's language: the subfolder named by a language code ("de") of helpFolder,
// for the first language of the locale that has one, else helpFolder itself (English).
[[nodiscard]] QString translatedHelpFolder(const QString &helpFolder, const QLocale &locale);

// A file URL of the page and anchor for a help topic, in the user's language where the pages
// are translated, fully encoded.
[[nodiscard]] QString helpTopicUrl(HelpTopic topic);
[[nodiscard]] QString helpTopicUrl(const QString &helpFolder, HelpTopic topic);

// The terms of use, which the About box points to.
[[nodiscard]] QString helpTermsOfUseUrl();
