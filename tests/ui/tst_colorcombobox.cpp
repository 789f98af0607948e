#include "ui/colorcombobox.h"

#include <QAbstractItemView>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QtTest>

#include <cstdlib>

namespace {

constexpr quint32 Marker = 0x7f000000u;
constexpr BgrColor Yellow = 0x00ccffff;
constexpr BgrColor White = 0x00ffffff;
constexpr BgrColor X = 0x00123456;
constexpr BgrColor Y = 0x00654321;

void fill(ColorComboBox &combo)
{
    for (const auto &row : ColorComboBox::colorTable())
        QCOMPARE(combo.addColor(ColorComboBox::colorName(row), row.color) >= 0, true);
}

quint32 itemData(const ColorComboBox &combo, int index)
{
    return combo.itemData(index).toUInt();
}

// Distinct colours for every role the drawing uses, so a wrong choice shows in the pixels.
QPalette testPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(0x10, 0x20, 0x30));
    palette.setColor(QPalette::Text, QColor(0xf0, 0xe0, 0xd0));
    palette.setColor(QPalette::Highlight, QColor(0x00, 0x00, 0xa0));
    palette.setColor(QPalette::HighlightedText, QColor(0xff, 0xff, 0x00));
    palette.setColor(QPalette::Button, QColor(0x80, 0x80, 0x00));
    palette.setColor(QPalette::WindowText, QColor(0x00, 0xff, 0x00));
    return palette;
}

// An image of the given size filled with a colour the drawing never uses.
QImage blankCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(QColor(0x12, 0x34, 0x56));
    return image;
}

QImage render(QSize canvas, const QRect &itemRect, const QString &text, quint32 data, int itemID,
              ColorComboBox::ItemState state, const QPalette &palette = testPalette())
{
    QImage image = blankCanvas(canvas.width(), canvas.height());
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    ColorComboBox::drawItem(painter, itemRect, text, data, itemID, state, palette);
    return image;
}

int distance(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green())
           + std::abs(a.blue() - b.blue());
}

// The pixel of the area that differs most from the background: the core of the text's strokes.
QColor strongestInk(const QImage &image, const QRect &area, QColor background)
{
    QColor strongest = background;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (distance(c, background) > distance(strongest, background))
                strongest = c;
        }
    return strongest;
}

} // namespace

class TestColorComboBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void selectsNamedColour()
    {
        ColorComboBox combo;
        fill(combo);
        QCOMPARE(combo.selectColor(Yellow), 6);
        QCOMPARE(combo.count(), 8);
        QCOMPARE(combo.currentText(), QStringLiteral("Yellow"));
        QCOMPARE(combo.getSelectedColor(), Yellow);
        QCOMPARE(combo.selectColor(0x00eeeeee), 0);
        QCOMPARE(combo.getSelectedColor(), BgrColor(0x00eeeeee));
    }

    void customEntryIsAppendedOnceAndReused()
    {
        ColorComboBox combo;
        fill(combo);

        QCOMPARE(combo.selectColor(X), 8);
        QCOMPARE(combo.count(), 9);
        QCOMPARE(combo.itemText(8), QStringLiteral("Custom"));
        QCOMPARE(itemData(combo, 8), X | Marker);
        QCOMPARE(combo.getSelectedColor(), X);

        QCOMPARE(combo.selectColor(Y), 8);
        QCOMPARE(combo.count(), 9);
        QCOMPARE(itemData(combo, 8), Y | Marker);
        QCOMPARE(combo.getSelectedColor(), Y);

        // A named colour wins; the custom entry stays with its colour for the user to pick.
        QCOMPARE(combo.selectColor(White), 7);
        QCOMPARE(combo.count(), 9);
        QCOMPARE(itemData(combo, 8), Y | Marker);
        QCOMPARE(combo.getSelectedColor(), White);

        // The custom entry's own colour is found by the search.
        QCOMPARE(combo.selectColor(Y), 8);
        QCOMPARE(combo.count(), 9);
        QCOMPARE(itemData(combo, 8), Y | Marker);
    }

    void onlyTheLastEntryIsTakenForCustom()
    {
        ColorComboBox combo;
        fill(combo);
        QCOMPARE(combo.selectColor(X), 8);
        QCOMPARE(combo.addColor(QStringLiteral("Extra"), 0x00010203), 9);
        QCOMPARE(combo.selectColor(Y), 10);
        QCOMPARE(combo.itemText(10), QStringLiteral("Custom"));
        QCOMPARE(itemData(combo, 8), X | Marker);
        QCOMPARE(itemData(combo, 10), Y | Marker);
    }

    void emptyControlGetsCustomOnly()
    {
        ColorComboBox combo;
        QCOMPARE(combo.getSelectedColor(), BgrColor(0xffffffff));
        QCOMPARE(combo.selectColor(White), 0);
        QCOMPARE(combo.count(), 1);
        QCOMPARE(itemData(combo, 0), White | Marker);
        QCOMPARE(combo.getSelectedColor(), White);
    }

    void markerBitsAreComparedUnmasked()
    {
        ColorComboBox combo;
        fill(combo);
        // White with a non-zero top byte matches no named entry.
        QCOMPARE(combo.selectColor(0x05ffffff), 8);
        QCOMPARE(combo.currentText(), QStringLiteral("Custom"));
        QCOMPARE(itemData(combo, 8), quint32(0x7fffffff));
        QCOMPARE(combo.getSelectedColor(), White);

        QCOMPARE(combo.selectColor(0x7fccffff), 8);
        QCOMPARE(combo.count(), 9);
        QCOMPARE(combo.getSelectedColor(), Yellow);
    }

    void systemColourGoesIntoCustom()
    {
        ColorComboBox combo;
        fill(combo);
        const BgrColor buttonFace = 0x8000000f;
        QCOMPARE(combo.selectColor(buttonFace), 8);
        QCOMPARE(itemData(combo, 8), quint32(0xff00000f));
        QCOMPARE(combo.getSelectedColor(), buttonFace);
        // Searching again finds it, bit 31 included.
        QCOMPARE(combo.selectColor(buttonFace), 8);
        QCOMPARE(combo.count(), 9);
    }

    void refusedAppendClearsTheSelection()
    {
        ColorComboBox combo;
        combo.setMaxCount(8);
        fill(combo);
        QCOMPARE(combo.addColor(QStringLiteral("Ninth"), 0x00010101), ColorComboBox::NoEntry);
        QCOMPARE(combo.selectColor(Yellow), 6);

        QCOMPARE(combo.selectColor(X), ColorComboBox::NoEntry);
        QCOMPARE(combo.count(), 8);
        QCOMPARE(combo.currentIndex(), -1);
        QCOMPARE(combo.getSelectedColor(), BgrColor(0xffffffff));
        for (int i = 0; i < 8; ++i)
            QCOMPARE(itemData(combo, i) & Marker, 0u);

        // An existing custom entry is reused even when the list is full.
        ColorComboBox full;
        full.setMaxCount(9);
        fill(full);
        QCOMPARE(full.selectColor(X), 8);
        QCOMPARE(full.selectColor(Y), 8);
        QCOMPARE(full.getSelectedColor(), Y);
    }

    void swatchGeometryAndTextStart()
    {
        // An item 15 pixels high at (5, 7): margin 3, a 9 by 9 swatch from 3 to 12, text at 15.
        const QPalette palette = testPalette();
        const QColor background = palette.color(QPalette::Base);
        const QColor red(255, 0, 0);
        const QRect item(5, 7, 100, 15);
        const QImage image = render({120, 30}, item, QStringLiteral("HWHWHW"), 0x000000ff, 0, {});

        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 15; ++x) {
                const QColor pixel = image.pixelColor(item.left() + x, item.top() + y);
                const bool inSwatch = x >= 3 && x < 12 && y >= 3 && y < 12;
                const bool outline = inSwatch && (x == 3 || x == 11 || y == 3 || y == 11);
                const QColor expected = !inSwatch ? background : outline ? QColor(Qt::black) : red;
                if (pixel != expected)
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is %3, expected %4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(pixel.name(), expected.name())));
            }
        }
        // The text lies right of the swatch, inside the item, in the text colour.
        const QRect textArea(item.left() + 15, item.top(), item.width() - 15, item.height());
        QVERIFY(distance(strongestInk(image, textArea, background), palette.color(QPalette::Text))
                < 90);
        // Nothing outside the item.
        const QColor untouched = blankCanvas(1, 1).pixelColor(0, 0);
        for (int x = 0; x < image.width(); ++x) {
            QCOMPARE(image.pixelColor(x, item.top() - 1), untouched);
            QCOMPARE(image.pixelColor(x, item.bottom() + 1), untouched);
        }
        QCOMPARE(image.pixelColor(item.left() - 1, item.top() + 7), untouched);
        QCOMPARE(image.pixelColor(item.right() + 1, item.top() + 7), untouched);
    }

    void otherHeightsKeepTheMargin()
    {
        // 22 pixels: margin 4 (remainder dropped), swatch from 4 to 18.
        const QImage image =
            render({60, 22}, QRect(0, 0, 60, 22), QString(), 0x00ff0000, 0, {});
        QCOMPARE(image.pixelColor(3, 10), testPalette().color(QPalette::Base));
        QCOMPARE(image.pixelColor(4, 10), QColor(Qt::black));
        QCOMPARE(image.pixelColor(17, 10), QColor(Qt::black));
        QCOMPARE(image.pixelColor(16, 10), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(18, 10), testPalette().color(QPalette::Base));
        QCOMPARE(image.pixelColor(10, 17), QColor(Qt::black));
        QCOMPARE(image.pixelColor(10, 18), testPalette().color(QPalette::Base));
    }

    void itemNoWiderThanHighHasNoText()
    {
        const QColor untouched = blankCanvas(1, 1).pixelColor(0, 0);
        const QColor background = testPalette().color(QPalette::Base);
        // The painter may not draw past the item: a text there would show right of it.
        const QImage image =
            render({60, 15}, QRect(0, 0, 15, 15), QStringLiteral("WWWWWW & a\nsecond line"),
                   0x000000ff, 0, {});
        for (int y = 0; y < 15; ++y) {
            for (int x = 15; x < 60; ++x)
                QCOMPARE(image.pixelColor(x, y), untouched);
            for (int x = 0; x < 15; ++x) {
                const QColor c = image.pixelColor(x, y);
                QVERIFY(c == background || c == QColor(Qt::black) || c == QColor(255, 0, 0));
            }
        }
    }

    void textIsCentredVertically()
    {
        const QColor background = testPalette().color(QPalette::Base);
        const QImage image =
            render({120, 60}, QRect(0, 0, 120, 60), QStringLiteral("HHHH"), 0x000000ff, 0, {});
        int top = -1;
        int bottom = -1;
        for (int y = 0; y < 60; ++y)
            for (int x = 60; x < 120; ++x)
                if (image.pixelColor(x, y) != background) {
                    top = top < 0 ? y : top;
                    bottom = y;
                }
        QVERIFY(top > 0);
        QVERIFY2(std::abs((top + bottom) - 60) <= 4,
                 qPrintable(QStringLiteral("ink from %1 to %2").arg(top).arg(bottom)));
    }

    void coloursFollowTheState_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        const QPalette p = testPalette();
        QTest::newRow("normal") << 0 << p.color(QPalette::Base) << p.color(QPalette::Text);
        QTest::newRow("selected") << int(ColorComboBox::ItemSelected)
                                  << p.color(QPalette::Highlight)
                                  << p.color(QPalette::HighlightedText);
        QTest::newRow("disabled") << int(ColorComboBox::ItemDisabled) << p.color(QPalette::Button)
                                  << p.color(QPalette::WindowText);
        QTest::newRow("disabled and selected")
            << int(ColorComboBox::ItemDisabled | ColorComboBox::ItemSelected)
            << p.color(QPalette::Button) << p.color(QPalette::WindowText);
    }

    void coloursFollowTheState()
    {
        QFETCH(int, state);
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        const QImage image =
            render({100, 15}, QRect(0, 0, 100, 15), QStringLiteral("HHHHHH"), 0x000000ff, 3,
                   ColorComboBox::ItemState(state));
        QCOMPARE(image.pixelColor(0, 0), background);
        QCOMPARE(image.pixelColor(14, 14), background);
        QCOMPARE(image.pixelColor(99, 7), background);
        QCOMPARE(image.pixelColor(6, 6), QColor(255, 0, 0));
        const QColor ink = strongestInk(image, QRect(15, 0, 85, 15), background);
        QVERIFY2(distance(ink, text) < 90, qPrintable(ink.name() + " vs " + text.name()));
    }

    void emptySelectionDrawsOnlyBackground()
    {
        const QColor background = testPalette().color(QPalette::Base);
        QImage image = render({50, 15}, QRect(0, 0, 50, 15), QStringLiteral("HHHH"), 0x000000ff,
                              -1, {});
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 50; ++x)
                QCOMPARE(image.pixelColor(x, y), background);

        // With the focus the frame is added around the edge and the inside stays empty.
        image = render({50, 15}, QRect(0, 0, 50, 15), QStringLiteral("HHHH"), 0x000000ff, -1,
                       ColorComboBox::ItemFocus);
        bool frame = false;
        for (int x = 0; x < 50; ++x)
            frame = frame || image.pixelColor(x, 0) != background;
        QVERIFY(frame);
        for (int y = 1; y < 14; ++y)
            for (int x = 1; x < 49; ++x)
                QCOMPARE(image.pixelColor(x, y), background);
    }

    void systemColourSwatchUsesThePalette()
    {
        const QPalette palette = testPalette();
        // Bit 31 with index 15 (button face), as the custom entry stores it.
        QImage image = render({40, 15}, QRect(0, 0, 40, 15), QString(), 0xff00000f, 8, {});
        QCOMPARE(image.pixelColor(6, 6), palette.color(QPalette::Button));
        image = render({40, 15}, QRect(0, 0, 40, 15), QString(), 0x8000000d, 8, {});
        QCOMPARE(image.pixelColor(6, 6), palette.color(QPalette::Highlight));
        image = render({40, 15}, QRect(0, 0, 40, 15), QString(), 0x80000005, 8, {});
        QCOMPARE(image.pixelColor(6, 6), palette.color(QPalette::Base));
        // Red is the lowest byte.
        image = render({40, 15}, QRect(0, 0, 40, 15), QString(), 0x00ffcccc, 8, {});
        QCOMPARE(image.pixelColor(6, 6), QColor(204, 204, 255));
        // The marker bits never reach the colour: 0x7f0000ff is plain red.
        image = render({40, 15}, QRect(0, 0, 40, 15), QString(), 0x7f0000ff, 8, {});
        QCOMPARE(image.pixelColor(6, 6), QColor(255, 0, 0));
    }

    void fieldAndListUseTheItemDrawing()
    {
        ColorComboBox combo;
        combo.setPalette(testPalette());
        fill(combo);
        combo.setItemHeight(15);
        combo.resize(combo.sizeHint());
        QCOMPARE(combo.itemHeight(), 15);
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));

        const QColor yellow = ColorComboBox::colorOf(Yellow);
        const auto contains = [](const QImage &image, QColor color) {
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y) == color)
                        return true;
            return false;
        };

        combo.setCurrentIndex(6);
        QVERIFY(contains(combo.grab().toImage(), yellow));
        combo.setCurrentIndex(-1);
        QVERIFY(!contains(combo.grab().toImage(), yellow));

        // The list's entries have the item height and show their swatches.
        const QModelIndex index = combo.model()->index(6, 0);
        QCOMPARE(combo.view()->sizeHintForIndex(index).height(), 15);
        combo.showPopup();
        QTRY_VERIFY(combo.view()->isVisible());
        QCOMPARE(combo.view()->visualRect(index).height(), 15);
        QVERIFY(contains(combo.view()->viewport()->grab().toImage(), yellow));
        combo.hidePopup();

        // The item height is settable afterwards.
        combo.setItemHeight(20);
        QCOMPARE(combo.view()->sizeHintForIndex(index).height(), 20);
    }
};

QTEST_MAIN(TestColorComboBox)
#include "tst_colorcombobox.moc"
