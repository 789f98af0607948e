#include "help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>

namespace {

struct HelpTopic
{
    std::uint32_t context;
    const char *page;
    const char *anchor;
};

// The main dialog's topic comes first: it is the answer for every context not listed.
constexpr HelpTopic helpTopics[] = {
    {HelpContexts::MainDialog, "main-window.html", "main-window"},
    {HelpContexts::AboutBox, "about.html", "about-box"},
    {HelpContexts::SettingsDialog, "settings.html", "settings-dialog"},
    {HelpContexts::LoanAnalysis, "analysis.html", "loan-analysis"},
};

QString PageUrl(const QString &helpFolder, const char *page, const char *anchor)
{
    QUrl url = QUrl::fromLocalFile(QDir(helpFolder).filePath(QString::fromLatin1(page)));
    url.setFragment(QString::fromLatin1(anchor));
    return url.toString(QUrl::FullyEncoded);
}

} // namespace

QString HelpFolderFor(const QString &applicationDir)
{
    const QString installed =
        QDir::cleanPath(QDir(applicationDir).filePath(QStringLiteral(ZANT_HELP_FROM_BINDIR)));
    if (QFileInfo::exists(QDir(installed).filePath(QStringLiteral("index.html"))))
        return installed;
    return QStringLiteral(ZANT_SOURCE_HELP_DIR);
}

QString HelpFolder()
{
    // Without an application object there is no executable folder to start from.
    const QString applicationDir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return applicationDir.isEmpty() ? QStringLiteral(ZANT_SOURCE_HELP_DIR)
                                    : HelpFolderFor(applicationDir);
}

QString HelpTopicUrl(const QString &helpFolder, std::uint32_t context)
{
    const HelpTopic *found = &helpTopics[0];
    for (const HelpTopic &topic : helpTopics) {
        if (topic.context == context)
            found = &topic;
    }
    return PageUrl(helpFolder, found->page, found->anchor);
}

QString TranslatedHelpFolder(const QString &helpFolder, const QLocale &locale)
{
    for (const QString &language : locale.uiLanguages()) {
        const QString code = language.section(QLatin1Char('-'), 0, 0);
        // The pages themselves are English: a user who prefers English before any other
        // language gets them.
        if (code == QLatin1String("en"))
            break;
        const QString folder = QDir(helpFolder).filePath(code);
        if (!code.isEmpty()
            && QFileInfo(QDir(folder).filePath(QStringLiteral("index.html"))).isFile())
            return folder;
    }
    return helpFolder;
}

QString HelpTopicUrl(std::uint32_t context)
{
    return HelpTopicUrl(TranslatedHelpFolder(HelpFolder(), QLocale()), context);
}

QString HelpTermsOfUseUrl()
{
    return PageUrl(TranslatedHelpFolder(HelpFolder(), QLocale()), "terms.html", "terms-of-use");
}
