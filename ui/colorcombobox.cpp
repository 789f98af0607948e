#include "ui/colorcombobox.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QPainter>
#include <QPalette>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace {

// A stored colour may name a colour of the desktop's palette by a number instead of giving its
// red, green and blue; profiles hold those numbers, so they stay as they are. Each maps to the
// palette role that plays its part.
struct PaletteNumber
{
    quint32 number;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr QPalette::ColorGroup Active = QPalette::Active;
constexpr PaletteNumber PaletteNumbers[] = {
    {0, Active, QPalette::Window},         {1, Active, QPalette::Window},
    {2, Active, QPalette::Highlight},      {3, Active, QPalette::Mid},
    {4, Active, QPalette::Window},         {5, Active, QPalette::Base},
    {6, Active, QPalette::Shadow},         {7, Active, QPalette::WindowText},
    {8, Active, QPalette::Text},           {9, Active, QPalette::HighlightedText},
    {10, Active, QPalette::Window},        {11, Active, QPalette::Window},
    {12, Active, QPalette::Mid},           {13, Active, QPalette::Highlight},
    {14, Active, QPalette::HighlightedText}, {15, Active, QPalette::Button},
    {16, Active, QPalette::Dark},          {17, QPalette::Disabled, QPalette::Text},
    {18, Active, QPalette::ButtonText},    {19, Active, QPalette::WindowText},
    {20, Active, QPalette::Light},         {21, Active, QPalette::Shadow},
    {22, Active, QPalette::Midlight},      {23, Active, QPalette::ToolTipText},
    {24, Active, QPalette::ToolTipBase},   {26, Active, QPalette::Link},
    {27, Active, QPalette::Highlight},     {28, Active, QPalette::Mid},
    {29, Active, QPalette::Highlight},     {30, Active, QPalette::Window},
};

// The numbers of the roles an entry of the list is drawn with.
constexpr quint32 BaseNumber = 5;
constexpr quint32 TextNumber = 8;
constexpr quint32 HighlightNumber = 13;
constexpr quint32 HighlightedTextNumber = 14;
constexpr quint32 ButtonNumber = 15;

void stateColors(ColorComboBox::ItemState state, const QPalette &palette, QColor &background,
                 QColor &text)
{
    if (state & ColorComboBox::ItemDisabled) {
        background = ColorComboBox::paletteColor(ButtonNumber, palette);
        text = palette.color(QPalette::Active, QPalette::WindowText);
    } else if (state & ColorComboBox::ItemSelected) {
        background = ColorComboBox::paletteColor(HighlightNumber, palette);
        text = ColorComboBox::paletteColor(HighlightedTextNumber, palette);
    } else {
        background = ColorComboBox::paletteColor(BaseNumber, palette);
        text = ColorComboBox::paletteColor(TextNumber, palette);
    }
}

// Draws the entries of the drop-down list with the control's own item drawing.
class ColorItemDelegate final : public QStyledItemDelegate
{
public:
    explicit ColorItemDelegate(ColorComboBox *combo) : QStyledItemDelegate(combo), m_combo(combo)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        ColorComboBox::ItemState state;
        if (!(option.state & QStyle::State_Enabled))
            state |= ColorComboBox::ItemDisabled;
        if (option.state & QStyle::State_Selected)
            state |= ColorComboBox::ItemSelected;
        if (option.state & QStyle::State_HasFocus)
            state |= ColorComboBox::ItemFocus;
        painter->save();
        painter->setFont(option.font);
        ColorComboBox::drawItem(*painter, option.rect, index.data(Qt::DisplayRole).toString(),
                                 index.data(Qt::UserRole).toUInt(), index.row(), state,
                                 m_combo->palette());
        painter->restore();
    }

    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const override
    {
        const int height = m_combo->itemHeight();
        const QString text = index.data(Qt::DisplayRole).toString();
        return {height + option.fontMetrics.horizontalAdvance(text) + height / 5, height};
    }

private:
    ColorComboBox *m_combo;
};

} // namespace

ColorComboBox::ColorComboBox(QWidget *parent) : QComboBox(parent)
{
    setItemDelegate(new ColorItemDelegate(this));
}

ColorComboBox::~ColorComboBox() = default;

int ColorComboBox::selectColor(BgrColor color)
{
    const int entries = count();
    for (int i = 0; i < entries; ++i) {
        if ((itemData(i).toUInt() & ColorMask) == color) {
            setCurrentIndex(i);
            return i;
        }
    }

    int index = NoEntry;
    if (entries > 0 && (itemData(entries - 1).toUInt() & CustomMarker) == CustomMarker) {
        index = entries - 1;
    } else {
        addItem(tr("Custom"));
        // A full list (maxCount reached) silently refuses the entry.
        if (count() > entries)
            index = count() - 1;
    }
    if (index != NoEntry)
        setItemData(index, QVariant::fromValue<quint32>(color | CustomMarker));
    setCurrentIndex(index);
    return index;
}

BgrColor ColorComboBox::getSelectedColor() const
{
    const int index = currentIndex();
    if (index == NoEntry)
        return static_cast<BgrColor>(NoEntry);
    return itemData(index).toUInt() & ColorMask;
}

int ColorComboBox::addColor(const QString &name, BgrColor color)
{
    const int entries = count();
    addItem(name);
    if (count() == entries)
        return NoEntry;
    setItemData(entries, QVariant::fromValue<quint32>(color));
    return entries;
}

void ColorComboBox::setItemHeight(int height)
{
    m_itemHeight = height;
    updateGeometry();
    view()->doItemsLayout();
    update();
}

int ColorComboBox::itemHeight() const
{
    return m_itemHeight > 0 ? m_itemHeight : fontMetrics().height() + 2;
}

const std::array<ColorComboBox::NamedColor, ColorComboBox::NamedColorCount> &
ColorComboBox::colorTable()
{
    static const std::array<NamedColor, NamedColorCount> table = {{
        {0x00eeeeee, QT_TRANSLATE_NOOP("ColorComboBox", "Gray")},
        {0x00ffcccc, QT_TRANSLATE_NOOP("ColorComboBox", "Blue")},
        {0x00ccffcc, QT_TRANSLATE_NOOP("ColorComboBox", "Green")},
        {0x00ffffcc, QT_TRANSLATE_NOOP("ColorComboBox", "Cyan")},
        {0x00ccccff, QT_TRANSLATE_NOOP("ColorComboBox", "Red")},
        {0x00ffccff, QT_TRANSLATE_NOOP("ColorComboBox", "Magenta")},
        {0x00ccffff, QT_TRANSLATE_NOOP("ColorComboBox", "Yellow")},
        {0x00ffffff, QT_TRANSLATE_NOOP("ColorComboBox", "White")},
    }};
    return table;
}

QString ColorComboBox::colorName(const NamedColor &row)
{
    return QCoreApplication::translate("ColorComboBox", row.name);
}

QColor ColorComboBox::colorOf(BgrColor color)
{
    return QColor(int(color & 0xff), int((color >> 8) & 0xff), int((color >> 16) & 0xff));
}

QColor ColorComboBox::paletteColor(quint32 number, const QPalette &palette)
{
    for (const PaletteNumber &each : PaletteNumbers) {
        if (each.number == number)
            return palette.color(each.group, each.role);
    }
    return QColor(Qt::black); // a number the palette has no role for
}

void ColorComboBox::drawItem(QPainter &painter, const QRect &itemRect, const QString &text,
                              quint32 data, int row, ItemState state,
                              const QPalette &palette)
{
    QColor background;
    QColor textColor;
    stateColors(state, palette, background, textColor);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(itemRect, background);

    if (row != -1) {
        const int h = itemRect.height();
        const int m = h / 5;
        const int side = h - 2 * m;
        if (side > 0) {
            const quint32 c = data & ColorMask;
            const QColor fill = (c & SystemColorBit) ? paletteColor(c & 0x00ffffffu, palette)
                                                     : colorOf(c);
            // An outlined square whose outline lies inside its side, as a 1-pixel black pen
            // draws it.
            const QRect swatch(itemRect.left() + m, itemRect.top() + m, side, side);
            painter.fillRect(swatch, Qt::black);
            if (side > 2)
                painter.fillRect(swatch.adjusted(1, 1, -1, -1), fill);
        }

        const QRect textRect(itemRect.left() + h, itemRect.top(), itemRect.width() - h, h);
        if (textRect.width() > 0) {
            painter.setPen(textColor);
            painter.setClipRect(textRect, Qt::IntersectClip);
            // No Qt::TextShowMnemonic: an "&" in a name is shown as it is.
            painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                             text);
            painter.setClipping(false);
        }
    }

    if (state & ItemFocus) {
        painter.setClipping(false);
        painter.setPen(QPen(textColor, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(itemRect.adjusted(0, 0, -1, -1));
    }
    painter.restore();
}

QSize ColorComboBox::fieldSize(QSize base) const
{
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    const QSize field =
        style()->sizeFromContents(QStyle::CT_ComboBox, &opt, QSize(0, itemHeight()), this);
    // Room for the swatch in front of the text.
    return {base.width() + itemHeight(), qMax(base.height(), field.height())};
}

QSize ColorComboBox::sizeHint() const
{
    return fieldSize(QComboBox::sizeHint());
}

QSize ColorComboBox::minimumSizeHint() const
{
    return fieldSize(QComboBox::minimumSizeHint());
}

void ColorComboBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);

    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    ItemState state;
    if (!isEnabled())
        state |= ItemDisabled;
    else if (hasFocus() && !view()->isVisible())
        state |= ItemSelected | ItemFocus;

    QColor background;
    QColor textColor;
    stateColors(state, palette(), background, textColor);
    painter.fillRect(field, background);

    const int height = qMin(itemHeight(), field.height());
    const QRect item(field.left(), field.top() + (field.height() - height) / 2, field.width(),
                     height);
    const int index = currentIndex();
    drawItem(painter, item, index >= 0 ? itemText(index) : QString(),
             index >= 0 ? itemData(index).toUInt() : 0u, index, state, palette());
}
