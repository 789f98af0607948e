#include "platform/help.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QXmlStreamReader>

namespace {

// What one help page holds that the checks need.
struct PageFacts
{
    QString error;
    QSet<QString> ids;
    QStringList duplicateIds;
    QStringList links; // href and src attributes, as written
    QString title;
    int headings1 = 0;
    bool styled = false;
};

PageFacts readPage(const QString &path)
{
    PageFacts facts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        facts.error = file.errorString();
        return facts;
    }
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const QString id = attributes.value(QLatin1String("id")).toString();
        if (!id.isEmpty()) {
            if (facts.ids.contains(id))
                facts.duplicateIds.append(id);
            facts.ids.insert(id);
        }
        for (const char *name : {"href", "src"}) {
            if (attributes.hasAttribute(QLatin1String(name)))
                facts.links.append(attributes.value(QLatin1String(name)).toString());
        }
        const QStringView element = xml.name();
        if (element == QLatin1String("title"))
            facts.title = xml.readElementText().trimmed();
        else if (element == QLatin1String("h1"))
            ++facts.headings1;
        else if (element == QLatin1String("link")
                 && attributes.value(QLatin1String("rel")) == QLatin1String("stylesheet")
                 && attributes.value(QLatin1String("href")) == QLatin1String("zantoria.css"))
            facts.styled = true;
    }
    if (xml.hasError())
        facts.error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return facts;
}

QStringList helpPages(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

// The translations of the pages: subfolders named by a language code.
QStringList helpLanguages()
{
    return QDir(helpFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

// One row for the English pages and one for each translation.
void addFolderRows()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("en") << helpFolder();
    for (const QString &language : helpLanguages())
        QTest::newRow(qPrintable(language)) << QDir(helpFolder()).filePath(language);
}

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    // The English pages, whatever the language of the machine that runs the tests.
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    void contextResolvesToPageAndAnchor_data();
    void contextResolvesToPageAndAnchor();
    void dialogsHaveTopicsOfTheirOwn();
    void unknownContextGetsMainTopic_data();
    void unknownContextGetsMainTopic();
    void termsOfUseResolve();
    void urlKeepsAwkwardFolderNames();
    void helpFolderPrefersInstalledPages();
    void helpFolderFallsBackToSourcePages();
    void pagesAreWellFormed_data() { addFolderRows(); }
    void pagesAreWellFormed();
    void localLinksResolve_data() { addFolderRows(); }
    void localLinksResolve();
    void everyPageIsReachableFromContents_data() { addFolderRows(); }
    void everyPageIsReachableFromContents();
    void translationsMatchTheEnglishPages();
    void helpFollowsTheLanguage_data();
    void helpFollowsTheLanguage();
};

void TestHelp::contextResolvesToPageAndAnchor_data()
{
    QTest::addColumn<HelpTopic>("topic");
    QTest::addColumn<QString>("page");
    QTest::newRow("main dialog") << HelpTopic::MainDialog << QStringLiteral("main-window.html");
    QTest::newRow("About box") << HelpTopic::AboutBox << QStringLiteral("about.html");
    QTest::newRow("settings") << HelpTopic::SettingsDialog << QStringLiteral("settings.html");
    QTest::newRow("loan analysis") << HelpTopic::LoanAnalysis << QStringLiteral("analysis.html");
    QTest::newRow("projection") << HelpTopic::Projection << QStringLiteral("analysis.html");
    QTest::newRow("scenarios") << HelpTopic::Scenarios << QStringLiteral("analysis.html");
    QTest::newRow("sensitivity") << HelpTopic::Sensitivity << QStringLiteral("analysis.html");
    QTest::newRow("loan cost") << HelpTopic::LoanCost << QStringLiteral("analysis.html");
    QTest::newRow("after tax") << HelpTopic::AfterTax << QStringLiteral("analysis.html");
}

void TestHelp::contextResolvesToPageAndAnchor()
{
    QFETCH(HelpTopic, topic);
    QFETCH(QString, page);

    const QUrl url(helpTopicUrl(topic), QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QVERIFY(url.isLocalFile());
    const QString path = url.toLocalFile();
    QCOMPARE(QFileInfo(path).fileName(), page);
    QCOMPARE(QFileInfo(path).absolutePath(), QFileInfo(helpFolder()).absoluteFilePath());
    QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
    QVERIFY(!url.fragment().isEmpty());
    const PageFacts facts = readPage(path);
    QVERIFY2(facts.error.isEmpty(), qPrintable(facts.error));
    QVERIFY2(facts.ids.contains(url.fragment()), qPrintable(url.fragment()));
}

void TestHelp::dialogsHaveTopicsOfTheirOwn()
{
    const QSet<QString> urls{helpTopicUrl(HelpTopic::MainDialog),
                             helpTopicUrl(HelpTopic::AboutBox),
                             helpTopicUrl(HelpTopic::SettingsDialog)};
    QCOMPARE(urls.size(), 3);
}

void TestHelp::unknownContextGetsMainTopic_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("past the last topic") << int(HelpTopic::AfterTax) + 1;
    QTest::newRow("negative") << -1;
    QTest::newRow("large") << 0x20066;
}

void TestHelp::unknownContextGetsMainTopic()
{
    // A value that names no topic (from a cast or a stray property) still opens a page.
    QFETCH(int, value);
    QCOMPARE(helpTopicUrl(static_cast<HelpTopic>(value)), helpTopicUrl(HelpTopic::MainDialog));
}

void TestHelp::termsOfUseResolve()
{
    const QUrl url(helpTermsOfUseUrl(), QUrl::StrictMode);
    QVERIFY(url.isLocalFile());
    QVERIFY2(QFileInfo(url.toLocalFile()).isFile(), qPrintable(url.toLocalFile()));
    const PageFacts facts = readPage(url.toLocalFile());
    QVERIFY2(facts.ids.contains(url.fragment()), qPrintable(url.fragment()));
    // The About box sends the user there; the About page must point there too.
    const PageFacts about = readPage(QDir(helpFolder()).filePath(QStringLiteral("about.html")));
    QVERIFY(about.links.contains(QFileInfo(url.toLocalFile()).fileName() + QLatin1Char('#')
                                 + url.fragment()));
}

void TestHelp::urlKeepsAwkwardFolderNames()
{
    // Spaces, "#", "%" and non-ASCII letters in the folder must survive the trip through a URL.
    const QString folder = QStringLiteral("/opt/Zant Apps/#1 100%/h\u00e9lp");
    const QString text = helpTopicUrl(folder, HelpTopic::SettingsDialog);
    QVERIFY2(!text.contains(QLatin1Char(' ')), qPrintable(text));
    const QUrl url(text, QUrl::StrictMode);
    QVERIFY2(url.isValid(), qPrintable(url.errorString()));
    QCOMPARE(url.toLocalFile(), folder + QStringLiteral("/settings.html"));
    QCOMPARE(url.fragment(), QStringLiteral("settings-dialog"));
}

void TestHelp::helpFolderPrefersInstalledPages()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString bin = root.filePath(QStringLiteral("bin"));
    QVERIFY(QDir().mkpath(bin));
    const QString installed =
        QDir::cleanPath(QDir(bin).filePath(QStringLiteral(ZANT_HELP_FROM_BINDIR)));
    QVERIFY(QDir().mkpath(installed));
    QFile index(QDir(installed).filePath(QStringLiteral("index.html")));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.close();

    QCOMPARE(helpFolderFor(bin), installed);
    QUrl url(helpTopicUrl(helpFolderFor(bin), HelpTopic::MainDialog));
    QCOMPARE(QFileInfo(url.toLocalFile()).absolutePath(), installed);
}

void TestHelp::helpFolderFallsBackToSourcePages()
{
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString folder = helpFolderFor(root.path());
    QVERIFY(!folder.startsWith(root.path()));
    QVERIFY2(QFileInfo(QDir(folder).filePath(QStringLiteral("index.html"))).isFile(),
             qPrintable(folder));
    // A test runs from the build folder, where nothing is installed.
    QCOMPARE(helpFolder(), folder);
}

void TestHelp::pagesAreWellFormed()
{
    QFETCH(QString, folder);
    const QStringList pages = helpPages(folder);
    QVERIFY(pages.contains(QStringLiteral("index.html")));
    QVERIFY(QFileInfo(QDir(folder).filePath(QStringLiteral("zantoria.css"))).isFile());
    for (const QString &page : pages) {
        const PageFacts facts = readPage(QDir(folder).filePath(page));
        QVERIFY2(facts.error.isEmpty(), qPrintable(page + QLatin1String(": ") + facts.error));
        QVERIFY2(facts.duplicateIds.isEmpty(),
                 qPrintable(page + QLatin1String(": ") + facts.duplicateIds.join(QLatin1Char(' '))));
        QVERIFY2(!facts.title.isEmpty(), qPrintable(page));
        QVERIFY2(facts.headings1 == 1, qPrintable(page));
        QVERIFY2(facts.styled, qPrintable(page));
    }
}

void TestHelp::localLinksResolve()
{
    QFETCH(QString, folder);
    QHash<QString, PageFacts> facts;
    for (const QString &page : helpPages(folder))
        facts.insert(page, readPage(QDir(folder).filePath(page)));

    int checked = 0;
    for (auto it = facts.cbegin(); it != facts.cend(); ++it) {
        for (const QString &link : it->links) {
            const QString where = it.key() + QLatin1String(": ") + link;
            const QUrl url(link, QUrl::StrictMode);
            QVERIFY2(url.isValid(), qPrintable(where));
            if (!url.scheme().isEmpty()) {
                QVERIFY2(url.scheme() == QLatin1String("https") && !url.host().isEmpty(),
                         qPrintable(where));
                continue;
            }
            // Pages link by name within the one folder, so the installed copy works the same.
            const QString target = url.path().isEmpty() ? it.key() : url.path();
            QVERIFY2(!target.contains(QLatin1Char('/')), qPrintable(where));
            QVERIFY2(QFileInfo(QDir(folder).filePath(target)).isFile(), qPrintable(where));
            if (url.hasFragment()) {
                QVERIFY2(facts.contains(target), qPrintable(where));
                QVERIFY2(facts.value(target).ids.contains(url.fragment()), qPrintable(where));
            }
            ++checked;
        }
    }
    QVERIFY(checked > 0);
}

void TestHelp::everyPageIsReachableFromContents()
{
    QFETCH(QString, folder);
    QSet<QString> reached{QStringLiteral("index.html")};
    QStringList queue{QStringLiteral("index.html")};
    while (!queue.isEmpty()) {
        const PageFacts facts = readPage(QDir(folder).filePath(queue.takeFirst()));
        for (const QString &link : facts.links) {
            const QUrl url(link);
            if (!url.scheme().isEmpty() || !url.path().endsWith(QLatin1String(".html")))
                continue;
            if (!reached.contains(url.path())) {
                reached.insert(url.path());
                queue.append(url.path());
            }
        }
    }
    const QStringList pages = helpPages(folder);
    for (const QString &page : pages)
        QVERIFY2(reached.contains(page), qPrintable(page));
}

// A translation has every page, with the same anchors and the same links, so that a topic, the
// terms of use and every cross-reference land where they do in English.
void TestHelp::translationsMatchTheEnglishPages()
{
    const QStringList languages = helpLanguages();
    QVERIFY(languages.contains(QStringLiteral("de")));
    const QStringList pages = helpPages(helpFolder());
    for (const QString &language : languages) {
        const QString folder = QDir(helpFolder()).filePath(language);
        QCOMPARE(helpPages(folder), pages);
        QVERIFY(QFileInfo(QDir(folder).filePath(QStringLiteral("zantoria.css"))).isFile());
        for (const QString &page : pages) {
            const PageFacts english = readPage(QDir(helpFolder()).filePath(page));
            const PageFacts translated = readPage(QDir(folder).filePath(page));
            const QString where = language + QLatin1Char('/') + page;
            QVERIFY2(translated.ids == english.ids, qPrintable(where));
            QStringList englishLinks = english.links;
            QStringList translatedLinks = translated.links;
            englishLinks.sort();
            translatedLinks.sort();
            QVERIFY2(translatedLinks == englishLinks, qPrintable(where));
            QVERIFY2(translated.title != english.title, qPrintable(where));
        }
    }
}

void TestHelp::helpFollowsTheLanguage_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("subfolder");
    QTest::newRow("German") << "de_DE" << "de";
    QTest::newRow("Austrian German") << "de_AT" << "de";
    QTest::newRow("English") << "en_US" << "";
    QTest::newRow("no translation") << "fr_FR" << "";
}

void TestHelp::helpFollowsTheLanguage()
{
    QFETCH(QString, locale);
    QFETCH(QString, subfolder);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    for (const QString &language : {QStringLiteral("de"), QStringLiteral("fr")}) {
        QVERIFY(QDir(root.path()).mkdir(language));
        // Only a folder with a contents page counts.
        if (language == QLatin1String("fr"))
            continue;
        QFile index(root.filePath(language + QStringLiteral("/index.html")));
        QVERIFY(index.open(QIODevice::WriteOnly));
    }
    const QString expected = subfolder.isEmpty() ? root.path() : root.filePath(subfolder);
    QCOMPARE(translatedHelpFolder(root.path(), QLocale(locale)), expected);
}

QTEST_GUILESS_MAIN(TestHelp)
#include "tst_help.moc"
