#pragma once

#include <QString>

#include <cstdint>

class QLocale;

// The help manual: HTML pages installed with the program and opened in the browser at the topic of
// the dialog that asks. A dialog's help context is 0x20000 plus its dialog template number.
namespace HelpContexts {
inline constexpr std::uint32_t AboutBox = 0x20000 + 100;
inline constexpr std::uint32_t MainDialog = 0x20000 + 102;
inline constexpr std::uint32_t SettingsDialog = 0x20000 + 130;
inline constexpr std::uint32_t LoanAnalysis = 0x20000 + 140;
} // namespace HelpContexts

// The help folder of the running program: the installed one beside the executable, else the
// pages in the source tree (a program run from its build folder).
[[nodiscard]] QString HelpFolder();
// The same choice for an executable in applicationDir.
[[nodiscard]] QString HelpFolderFor(const QString &applicationDir);

// The pages in the user's language: the subfolder named by a language code ("de") of helpFolder,
// for the first language of the locale that has one, else helpFolder itself (English).
[[nodiscard]] QString TranslatedHelpFolder(const QString &helpFolder, const QLocale &locale);

// A file URL of the page and anchor for a help context, in the user's language where the pages
// are translated, fully encoded; a context without a topic of its own gets the main dialog's
// topic.
[[nodiscard]] QString HelpTopicUrl(std::uint32_t context);
[[nodiscard]] QString HelpTopicUrl(const QString &helpFolder, std::uint32_t context);

// The terms of use, which the About box points to.
[[nodiscard]] QString HelpTermsOfUseUrl();
