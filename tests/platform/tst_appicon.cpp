#include <QFile>
#include <QTest>
#include <QXmlStreamReader>
#include <QtEndian>

// The application icon is built into every program that links zant_res; nothing references the
// resource by symbol, so this also proves that linking the static library keeps it.
class TestAppIcon : public QObject
{
    Q_OBJECT

private slots:
    void renderingHasItsSize_data();
    void renderingHasItsSize();
    void scalableIconIsSquareSvg();
};

void TestAppIcon::renderingHasItsSize_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 256})
        QTest::addRow("%d px", size) << size;
}

void TestAppIcon::renderingHasItsSize()
{
    QFETCH(int, size);
    QFile file(QStringLiteral(":/icons/zantoria-%1.png").arg(size));
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray header = file.read(24);
    QCOMPARE(header.size(), 24);
    QCOMPARE(header.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    QCOMPARE(header.mid(12, 4), QByteArray("IHDR"));
    QCOMPARE(qFromBigEndian<quint32>(header.constData() + 16), quint32(size));
    QCOMPARE(qFromBigEndian<quint32>(header.constData() + 20), quint32(size));
}

void TestAppIcon::scalableIconIsSquareSvg()
{
    QFile file(QStringLiteral(":/icons/zantoria.svg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QLatin1String("svg"));
    QCOMPARE(xml.attributes().value(QLatin1String("viewBox")), QLatin1String("0 0 256 256"));
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

QTEST_GUILESS_MAIN(TestAppIcon)
#include "tst_appicon.moc"
