#include "core/dealfields.h"
#include "core/figurelocales.h"
#include "core/localeservices.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

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
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(dealFields().size()); ++row)
        QTest::newRow(dealFields()[std::size_t(row)].name) << row;
}

void TestDealFields::rowsAreComplete()
{
    QFETCH(int, row);
    const DealField &field = dealFields()[std::size_t(row)];
    QVERIFY(field.key && *field.key);
    QVERIFY(field.messageName && *field.messageName);
    // A loan's name in messages says which loan it is.
    QCOMPARE(QString::fromLatin1(field.messageName).contains(QLatin1String("%1")), field.perLoan);
    if (field.isText()) {
        QVERIFY(field.textIn && !field.figureIn && !field.firstRun);
        return;
    }
    QVERIFY(field.figureIn && !field.textIn && field.exportLabel);
    QVERIFY(field.firstRun);
    // The first-run text is read like any stored one, and must be one the field can show.
    DealRecord record;
    QVERIFY(field.figure(record, 0).readStored(field.firstRunText(),
                                               FigureLocales::user(record.m_currency)));
}

QTEST_GUILESS_MAIN(TestDealFields)
#include "tst_dealfields.moc"
