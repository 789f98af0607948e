#pragma once

#include "core/appsettings.h" // BgrColor

#include <QComboBox>
#include <QFlags>
#include <array>

class QPainter;
class QPalette;
class QRect;
class QStyle;
class QWidget;

// A drop-down list of background colours. Every entry carries a 32-bit word in Qt::UserRole:
// bits 0 to 23 the colour 0x00BBGGRR (or, with bit 31 set, a system colour index), bits 24 to 30
// all set only on the one "Custom" entry that shows a colour outside the list. The control draws
// its entries itself, a swatch followed by the name, in the list and in the closed field alike.
class ColorComboBox : public QComboBox
{
    Q_OBJECT

public:
    static constexpr int NoEntry = -1;
    static constexpr quint32 CustomMarker = 0x7f000000u;
    static constexpr quint32 SystemColorBit = 0x80000000u;
    static constexpr quint32 ColorMask = 0x80ffffffu; // the item data without the marker bits

    struct NamedColor
    {
        BgrColor color;
        const char *name; // source text in the ColorComboBox translation context
    };
    static constexpr int NamedColorCount = 8;

    enum ItemStateFlag {
        ItemDisabled = 0x1,
        ItemSelected = 0x2,
        ItemFocus = 0x4,
    };
    Q_DECLARE_FLAGS(ItemState, ItemStateFlag)

    explicit ColorComboBox(QWidget *parent = nullptr);
    ~ColorComboBox() override;

    // Selects the entry that carries color, compared with the entries' colours unmasked; a
    // colour no entry carries goes into the "Custom" entry, which is appended once and then
    // reused. Returns the selected index, or NoEntry when "Custom" could not be appended.
    int selectColor(BgrColor color);
    // The colour of the selected entry, or NoEntry (all bits set) when none is selected.
    [[nodiscard]] BgrColor getSelectedColor() const;

    // Appends a named entry carrying color; returns its index, or NoEntry when the list refused it.
    int addColor(const QString &name, BgrColor color);

    // The height of every entry and of the closed field's item.
    void setItemHeight(int height);
    [[nodiscard]] int itemHeight() const;

    // The named colours in the order the owner adds them.
    [[nodiscard]] static const std::array<NamedColor, NamedColorCount> &colorTable();
    [[nodiscard]] static QString colorName(const NamedColor &row);

    // Draws one entry into itemRect: background by state, the outlined swatch of the entry's
    // colour (data), the text right of it and the focus frame. Row -1 stands for the closed field
    // of a list without selection and gets only its background (and the focus frame). palette
    // gives the desktop's colours.
    static void drawItem(QPainter &painter, const QRect &itemRect, const QString &text,
                         quint32 data, int row, ItemState state, const QPalette &palette);
    // The palette colour of the desktop's colour a stored colour names by its number.
    [[nodiscard]] static QColor paletteColor(quint32 number, const QPalette &palette);
    [[nodiscard]] static QColor colorOf(BgrColor color);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    [[nodiscard]] QSize fieldSize(QSize base) const;

    int m_itemHeight = 0; // 0: from the font
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ColorComboBox::ItemState)
