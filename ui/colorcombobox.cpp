#include "ui/colorcombobox.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QPainter>
#include <QPalette>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QStyledItemDelegate>

namespace {

// The numbers under which system colours are stored in item data (a stored colour may name one).
enum SysColorIndex : quint32 {
    COLOR_SCROLLBAR = 0,
    COLOR_BACKGROUND = 1,
    COLOR_ACTIVECAPTION = 2,
    COLOR_INACTIVECAPTION = 3,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_CAPTIONTEXT = 9,
    COLOR_ACTIVEBORDER = 10,
    COLOR_INACTIVEBORDER = 11,
    COLOR_APPWORKSPACE = 12,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_INACTIVECAPTIONTEXT = 19,
    COLOR_BTNHIGHLIGHT = 20,
    COLOR_3DDKSHADOW = 21,
    COLOR_3DLIGHT = 22,
    COLOR_INFOTEXT = 23,
    COLOR_INFOBK = 24,
    COLOR_HOTLIGHT = 26,
    COLOR_GRADIENTACTIVECAPTION = 27,
    COLOR_GRADIENTINACTIVECAPTION = 28,
    COLOR_MENUHILIGHT = 29,
    COLOR_MENUBAR = 30,
};

void stateColors(ColorComboBox::itemState state, const QPalette &palette, QColor &background,
                 QColor &text)
{
    if (state & ColorComboBox::ItemDisabled) {
        background = ColorComboBox::sysColor(COLOR_BTNFACE, palette);
        text = palette.color(QPalette::Active, QPalette::WindowText);
    } else if (state & ColorComboBox::ItemSelected) {
        background = ColorComboBox::sysColor(COLOR_HIGHLIGHT, palette);
        text = ColorComboBox::sysColor(COLOR_HIGHLIGHTTEXT, palette);
    } else {
        background = ColorComboBox::sysColor(COLOR_WINDOW, palette);
        text = ColorComboBox::sysColor(COLOR_WINDOWTEXT, palette);
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
        ColorComboBox::itemState state;
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

const std::array<ColorComboBox::SNamedColor, ColorComboBox::NamedColorCount> &
ColorComboBox::colorTable()
{
    static const std::array<SNamedColor, NamedColorCount> table = {{
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

QString ColorComboBox::colorName(const SNamedColor &row)
{
    return QCoreApplication::translate("ColorComboBox", row.name);
}

QColor ColorComboBox::fromColorRef(BgrColor color)
{
    return QColor(int(color & 0xff), int((color >> 8) & 0xff), int((color >> 16) & 0xff));
}

QColor ColorComboBox::sysColor(quint32 index, const QPalette &palette)
{
    const auto role = [&palette](QPalette::ColorRole r) {
        return palette.color(QPalette::Active, r);
    };
    switch (index) {
    case COLOR_WINDOW:
        return role(QPalette::Base);
    case COLOR_WINDOWTEXT:
        return role(QPalette::Text);
    case COLOR_HIGHLIGHT:
    case COLOR_ACTIVECAPTION:
    case COLOR_GRADIENTACTIVECAPTION:
    case COLOR_MENUHILIGHT:
        return role(QPalette::Highlight);
    case COLOR_HIGHLIGHTTEXT:
    case COLOR_CAPTIONTEXT:
        return role(QPalette::HighlightedText);
    case COLOR_BTNFACE:
        return role(QPalette::Button);
    case COLOR_BTNTEXT:
        return role(QPalette::ButtonText);
    case COLOR_SCROLLBAR:
    case COLOR_BACKGROUND:
    case COLOR_MENU:
    case COLOR_ACTIVEBORDER:
    case COLOR_INACTIVEBORDER:
    case COLOR_MENUBAR:
        return role(QPalette::Window);
    case COLOR_MENUTEXT:
    case COLOR_INACTIVECAPTIONTEXT:
        return role(QPalette::WindowText);
    case COLOR_INACTIVECAPTION:
    case COLOR_APPWORKSPACE:
    case COLOR_GRADIENTINACTIVECAPTION:
        return role(QPalette::Mid);
    case COLOR_BTNSHADOW:
        return role(QPalette::Dark);
    case COLOR_GRAYTEXT:
        return palette.color(QPalette::Disabled, QPalette::Text);
    case COLOR_BTNHIGHLIGHT:
        return role(QPalette::Light);
    case COLOR_3DLIGHT:
        return role(QPalette::Midlight);
    case COLOR_WINDOWFRAME:
    case COLOR_3DDKSHADOW:
        return role(QPalette::Shadow);
    case COLOR_INFOTEXT:
        return role(QPalette::ToolTipText);
    case COLOR_INFOBK:
        return role(QPalette::ToolTipBase);
    case COLOR_HOTLIGHT:
        return role(QPalette::Link);
    default:
        return QColor(Qt::black); // an index the system does not know
    }
}

void ColorComboBox::drawItem(QPainter &painter, const QRect &rcItem, const QString &text,
                              quint32 itemData, int itemID, itemState state,
                              const QPalette &palette)
{
    QColor background;
    QColor textColor;
    stateColors(state, palette, background, textColor);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rcItem, background);

    if (itemID != -1) {
        const int h = rcItem.height();
        const int m = h / 5;
        const int side = h - 2 * m;
        if (side > 0) {
            const quint32 c = itemData & ColorMask;
            const QColor fill = (c & SystemColorBit) ? sysColor(c & 0x00ffffffu, palette)
                                                     : fromColorRef(c);
            // An outlined square whose outline lies inside its side, as a 1-pixel black pen
            // draws it.
            const QRect swatch(rcItem.left() + m, rcItem.top() + m, side, side);
            painter.fillRect(swatch, Qt::black);
            if (side > 2)
                painter.fillRect(swatch.adjusted(1, 1, -1, -1), fill);
        }

        const QRect textRect(rcItem.left() + h, rcItem.top(), rcItem.width() - h, h);
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
        painter.drawRect(rcItem.adjusted(0, 0, -1, -1));
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
    itemState state;
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
