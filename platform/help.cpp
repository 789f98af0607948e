#include "platform/help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QUrl>

namespace {

struct TopicPage
{
    const char *page;
    const char *anchor;
};

TopicPage pageOf(HelpTopic topic)
{
    switch (topic) {
    case HelpTopic::MainDialog:
        break;
    case HelpTopic::AboutBox:
        return {"about.html", "about-box"};
    case HelpTopic::SettingsDialog:
        return {"settings.html", "settings-dialog"};
    case HelpTopic::LoanAnalysis:
        return {"analysis.html", "loan-analysis"};
    case HelpTopic::Projection:
        return {"analysis.html", "projection"};
    case HelpTopic::Scenarios:
        return {"analysis.html", "scenarios"};
    case HelpTopic::Sensitivity:
        return {"analysis.html", "sensitivity"};
    case HelpTopic::LoanCost:
        return {"analysis.html", "loan-cost"};
    case HelpTopic::AfterTax:
        return {"analysis.html", "after-tax"};
    }
    // The main dialog's topic, and the answer for a value that names no topic.
    return {"main-window.html", "main-window"};
}

QString pageUrl(const QString &helpFolder, const char *page, const char *anchor)
{
    QUrl url = QUrl::fromLocalFile(QDir(helpFolder).filePath(QString::fromLatin1(page)));
    url.setFragment(QString::fromLatin1(anchor));
    return url.toString(QUrl::FullyEncoded);
}

} // namespace

QString helpFolderFor(const QString &applicationDir)
{
    const QString installed =
        QDir::cleanPath(QDir(applicationDir).filePath(QStringLiteral(ZANT_HELP_FROM_BINDIR)));
    if (QFileInfo::exists(QDir(installed).filePath(QStringLiteral("index.html"))))
        return installed;
    return QStringLiteral(ZANT_SOURCE_HELP_DIR);
}

QString helpFolder()
{
    // Without an application object there is no executable folder to start from.
    const QString applicationDir =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return applicationDir.isEmpty() ? QStringLiteral(ZANT_SOURCE_HELP_DIR)
                                    : helpFolderFor(applicationDir);
}

QString helpTopicUrl(const QString &helpFolder, HelpTopic topic)
{
    const TopicPage page = pageOf(topic);
    return pageUrl(helpFolder, page.page, page.anchor);
}

QString translatedHelpFolder(const QString &helpFolder, const QLocale &locale)
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

QString helpTopicUrl(HelpTopic topic)
{
    return helpTopicUrl(translatedHelpFolder(helpFolder(), QLocale()), topic);
}

QString helpTermsOfUseUrl()
{
    return pageUrl(translatedHelpFolder(helpFolder(), QLocale()), "terms.html", "terms-of-use");
}
