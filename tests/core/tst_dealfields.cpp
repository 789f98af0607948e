#include "core/dealfields.h"
#include "core/figurelocales.h"
#include "core/loananalysis.h"
#include "core/localeservices.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>

Q_DECLARE_METATYPE(const DealField *)

// The table every reader and writer of a deal walks: a row that is wrong here is wrong in the
// profile, the deal file, the window and the exports at once.
class TestDealFields : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LocaleServices::pinLocale(QStringLiteral("en_US")); }
    void eachFieldHasAPlaceOfItsOwn();
    void labelsTellFieldsApart();
    void rowsAreComplete_data();
    void rowsAreComplete();
    void keysAreUniqueAndDefaultsInRange();
};

// Two rows reaching the same member would store one figure twice and lose the other.
void TestDealFields::eachFieldHasAPlaceOfItsOwn()
{
    DealRecord record;
    int mark = 0;
    forEachStoredField([&](const DealField &field, int loan) {
        ++mark;
        if (field.isText())
            field.text(record, loan) = QString::number(mark);
        else
            field.figure(record, loan).m_value = mark;
    });
    int expected = 0;
    forEachStoredField([&](const DealField &field, int loan) {
        ++expected;
        if (field.isText())
            QCOMPARE(field.text(record, loan), QString::number(expected));
        else
            QCOMPARE(field.figure(record, loan).m_value, double(expected));
    });
    QCOMPARE(expected, mark);
}

// The deal file matches labels in any case of a to z, so no two may differ only in case, and
// only those letters and digits keep that match plain.
void TestDealFields::labelsTellFieldsApart()
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z][A-Za-z0-9]*$"));
    QSet<QString> seen;
    forEachStoredField([&](const DealField &field, int loan) {
        const QString entry = field.entry(loan);
        QVERIFY2(plain.match(entry).hasMatch(), qPrintable(entry));
        QVERIFY2(!seen.contains(entry.toUpper()), qPrintable(entry));
        seen.insert(entry.toUpper());
    });
}

void TestDealFields::rowsAreComplete_data()
{
    QTest::addColumn<const DealField *>("field");
    for (const std::vector<DealField> *table : {&dealFields(), &projectionFields()}) {
        for (const DealField &field : *table)
            QTest::newRow(field.scenario == Scenario::Base ? field.name : qPrintable(QStringLiteral("%1 (%2)").arg(QLatin1String(field.name), QLatin1String(scenarioKey(field.scenario)))))
                << &field;
    }
}

// Every row of both tables carries what its readers, writers and windows take from it: a key, a
// name for messages, a first-run figure its field can show, the texts of its edit in English and
// German, and, for an assumption, its place in the command line's manual.
void TestDealFields::rowsAreComplete()
{
    QFETCH(const DealField *, field);
    QVERIFY(field->key && *field->key);
    QVERIFY(field->messageName && *field->messageName);
    // A loan's name in messages says which loan it is.
    QCOMPARE(QString::fromLatin1(field->messageName).contains(QLatin1String("%1")), field->perLoan);
    QTranslator german;
    QVERIFY(german.load(QStringLiteral(":/i18n/zantoria_de.qm")));
    const auto translated = [&german](const char *context, const char *text) {
        const QString done = german.translate(context, text);
        return text && *text && !done.isEmpty() && done != QLatin1String(text);
    };
    QVERIFY(translated("ReadNotice", field->messageName));
    if (field->isText()) {
        QVERIFY(field->textIn && !field->figureIn && !field->firstRun);
        return;
    }
    QVERIFY(field->figureIn && !field->textIn && field->firstRun);
    // The first-run text is read like any stored one, and must be one the field can show.
    DealRecord record;
    QVERIFY(field->figure(record, 0).readStored(field->firstRunText(),
                                                FigureLocales::user(record.m_currency)));
    if (field->editedOn == EditedOn::MainWindow) {
        QVERIFY(field->exportLabel && translated("Report", field->exportLabel));
        QVERIFY(translated("MainDialog", field->toolTip));
        QVERIFY(translated("MainDialog", field->whatsThis));
        return;
    }
    QVERIFY(translated("Projection", field->label));
    QVERIFY(translated("Projection", field->definition));
    QVERIFY(translated("Projection", field->consequence));
    // A bear or bull figure replaces one of the market's.
    if (field->scenario != Scenario::Base)
        QVERIFY(field->market != MarketFigure::None);
    QFile manual(QStringLiteral(ZANT_REPORT_MANUAL));
    QVERIFY(manual.open(QIODevice::ReadOnly));
    QVERIFY2(manual.readAll().contains('*' + field->entry(0).toLatin1() + '*'), field->name);
}

// Keys name one figure each: in the JSON's objects (the property, a loan, the assumptions and
// each scenario's) and in the CSV; the first-run assumptions are all in range.
void TestDealFields::keysAreUniqueAndDefaultsInRange()
{
    QSet<QString> keys;
    for (const std::vector<DealField> *table : {&dealFields(), &projectionFields()}) {
        for (const DealField &field : *table) {
            const QString key = QLatin1String(scenarioKey(field.scenario)) + QLatin1Char('/')
                + (field.group ? QLatin1String(field.group) + QLatin1Char('/') : QString()) + QLatin1String(field.key);
            QVERIFY2(!keys.contains(key), qPrintable(key));
            keys.insert(key);
        }
    }
    DealRecord record;
    forEachStoredField(projectionFields(), [&record](const DealField &field, int loan) {
        field.figure(record, loan).takeNumber(field.firstRunText().toDouble(), QString());
    });
    QCOMPARE(assumptionsOf(record.m_projection).problem(), QString());
    QCOMPARE(assumptionsOf(record.m_projection).taxProblem(), QString());
    QCOMPARE(assumptionsOf(record.m_projection).refinanceIgnored(), QString());
}

QTEST_GUILESS_MAIN(TestDealFields)
#include "tst_dealfields.moc"
