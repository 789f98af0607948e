#include "report/report.h"

#include "core/dealrecord.h"
#include "textio/fileexception.h"
#include "core/localeservices.h"
#include "core/product.h"
#include "core/profit.h"
#include "textio/textfile.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>
#include <new>

namespace {

// The head template, 57 lines: "%1" takes the product name, "%2" to "%7" the report settings.
constexpr const char *HeadTemplate[] = {
    "<head>",
    "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\" />",
    "<title>%1</title>",
    "<style type=\"text/css\">",
    "body {",
    "  font-family: %2;",
    "  font-size: %3;",
    "}",
    "table {",
    "  width: 100%;",
    "  color: black;",
    "  border: 2px #111 solid;",
    "  border-collapse: collapse;",
    "}",
    "td {",
    "  border: 1px #111 solid;",
    "}",
    ".main {",
    "  width: 750px;",
    "  margin: auto;",
    "}",
    ".header {",
    "  font-size: medium;",
    "  font-weight: bold;",
    "  color: #fff;",
    "  background-color: #000;",
    "}",
    ".label {",
    "  font-weight: bold;",
    "  text-align: left;",
    "  background-color: %4;",
    "}",
    ".odd {",
    "  text-align: right;",
    "  background-color: %5;",
    "}",
    ".even {",
    "  text-align: right;",
    "  background-color: %6;",
    "}",
    ".oddcalc {",
    "  font-weight: bold;",
    "  text-align: right;",
    "  background-color: %7;",
    "}",
    ".evencalc {",
    "  font-weight: bold;",
    "  text-align: right;",
    "  background-color: %6;",
    "}",
    ".footer {",
    "  font-size: x-small;",
    "  text-align: center;",
    "  color: gray;",
    "}",
    "</style>",
    "</head>",
};
static_assert(sizeof(HeadTemplate) / sizeof(HeadTemplate[0]) == 57, "the head has 57 lines");

const QString DocumentType
    = QStringLiteral("<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
                     "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n"
                     "<html xmlns=\"http://www.w3.org/1999/xhtml\">\n");

// The rows are filled with QString::arg's one pass over all arguments, so that a "%1" in a
// label or a figure reaches the page as it is.
const QString PropertyRow = QStringLiteral("  <tr>\n    <td class=\"label\">%1</td>\n"
                                           "    <td class=\"%2\">%3</td>\n  </tr>");

const QString loanRow = QStringLiteral("  <tr class=\"%1\">\n    <td class=\"label\">%2</td>\n"
                                       "    <td>%3</td>\n    <td>%4</td>\n    <td>%5</td>\n"
                                       "    <td>%6</td>\n    <td>%7</td>\n  </tr>");

QString head(const AppSettings &settings)
{
    QString head;
    for (const char *line : HeadTemplate) {
        head += QLatin1String(line);
        head += QLatin1Char('\n');
    }
    // One pass: a "%1" in the font name is the user's own text and stays as it is.
    return head.arg(Product::Name, cssFontFamilies(settings.m_fontName),
                    cssFontSize(settings.m_fontSize), colorToHtml(settings.m_labelsColor),
                    colorToHtml(settings.m_oddRowsColor), colorToHtml(settings.m_evenRowsColor),
                    colorToHtml(settings.m_oddRowsCalcColor));
}

// A character that could end the declaration, the rule or the style element, or start a comment
// or an escape. Line and paragraph separators go too: they are line ends to a browser.
bool breaksOutOfCss(QChar c)
{
    static const QString breaking = QStringLiteral("<>{};\\/*");
    const QChar::Category category = c.category();
    return breaking.contains(c) || category == QChar::Other_Control || category == QChar::Other_Format
        || category == QChar::Separator_Line || category == QChar::Separator_Paragraph;
}

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

// One family of the list: a name in quotes stays quoted when nothing else in it is a quote;
// any other quote is dropped, so that no string is left open.
QString cssFontFamily(const QString &family)
{
    QString safe;
    for (const QChar c : family) {
        if (!breaksOutOfCss(c))
            safe += c;
    }
    const QString name = safe.trimmed();
    const bool quotedName = name.size() >= 2 && isQuote(name.front()) && name.back() == name.front()
        && std::none_of(name.begin() + 1, name.end() - 1, isQuote);
    if (quotedName)
        return safe;
    safe.removeIf(isQuote);
    return safe;
}

// The row labels are the report's own texts, which a translation may change.
QString translatedLabel(const char *label)
{
    return QCoreApplication::translate("Report", label);
}

// The heading of loan number's column.
QString loanHeading(int number)
{
    return QCoreApplication::translate("Report", "Loan %1").arg(number);
}

// A figure or date of a right-to-left locale ("؜200,000.00 ج.م.‏", "10‏/12‏/2026") carries marks
// that only read right in a run of its own: in the page's left-to-right flow the date's parts come
// out of order and a negative amount's currency moves to the other side. Such a figure gets its own
// isolated run; left-to-right locales are written as they always were.
bool rightToLeft(LocaleServices::Category category)
{
    return QLocale(LocaleServices::localeName(category)).textDirection() == Qt::RightToLeft;
}

QString isolated(const QString &text, bool rightToLeft)
{
    return rightToLeft ? QStringLiteral("<bdi>") + text + QStringLiteral("</bdi>") : text;
}

// Money, percent figures and whole numbers alike.
QString isolatedFigure(const QString &figure)
{
    return isolated(figure, rightToLeft(LocaleServices::Category::Money)
                                || rightToLeft(LocaleServices::Category::Numbers));
}

template <typename Field>
void writeValueRow(TextFile &file, const char *rowClass, const char *label,
                   const Field (&fields)[MAX_LOANS], const QString &currency)
{
    const auto isolated = [&currency](const Field &field) {
        return isolatedFigure(field.format(currency));
    };
    file.writeLine(loanRow.arg(QLatin1String(rowClass), translatedLabel(label), isolated(fields[0]),
                               isolated(fields[1]), isolated(fields[2]), isolated(fields[3]),
                               isolated(fields[4])));
}

void writeFigureRow(TextFile &file, const char *rowClass, const char *label,
                    const Profit::Row &row, const QString &currency)
{
    const auto isolated = [&currency](double money) {
        return isolatedFigure(formatCurrency(money, currency));
    };
    file.writeLine(loanRow.arg(QLatin1String(rowClass), translatedLabel(label), isolated(row[0]),
                               isolated(row[1]), isolated(row[2]), isolated(row[3]),
                               isolated(row[4])));
}

} // namespace

QString cssFontFamilies(const QString &fontName)
{
    QStringList families = fontName.split(QLatin1Char(','));
    for (QString &family : families)
        family = cssFontFamily(family);
    return families.join(QLatin1Char(','));
}

QString cssFontSize(const QString &fontSize)
{
    // A keyword (small, x-large...) or a length (12pt, 1.2em, 120%) is made of these alone.
    QString safe;
    for (const QChar c : fontSize) {
        if (c.isLetterOrNumber() && c.unicode() < 0x80)
            safe += c;
        else if (QStringLiteral(".%+-").contains(c))
            safe += c;
    }
    return safe;
}

Report::Report(const DealRecord &record, const AppSettings &settings)
    : m_record(record), m_settings(settings)
{
}

Report::~Report() = default;

void Report::setClock(const QDateTime &localDateTime)
{
    m_clock = localDateTime;
}

bool Report::create(const QString &path, QString *error)
{
    QString message;
    try {
        TextFile file(path, TextFile::Encoding::Utf8);
        writePage(file);
        file.close();
        return true;
    } catch (const FileException &e) {
        message = e.message();
    } catch (const std::bad_alloc &) {
        message = QCoreApplication::translate("Report", "Out of memory.");
    }
    if (error)
        *error = message;
    return false;
}

void Report::writePage(TextFile &file) const
{
    const DealRecord &r = m_record;
    const QString webSite = Product::WebSite;

    file.writeLine(DocumentType);
    file.writeLine(head(m_settings));

    // The body and the banner, whose paragraph has no end tag.
    file.writeLine(QStringLiteral("<body>\n<div class=\"main\">\n"));
    file.writeLine(QStringLiteral("<p style=\"text-align:center\"><a href=\"") + webSite
                   + QStringLiteral("/CustomSoftware.aspx\"><strong>Put Your Message Here"
                                    "</strong></a>\n"));

    // The date is read once, after the banner; the footer's year comes from that reading.
    const QDateTime now = m_clock.isValid() ? m_clock : QDateTime::currentDateTime();
    const QString date = isolated(LocaleServices::formatShortDate(now.date()),
                                 rightToLeft(LocaleServices::Category::Dates));
    const int year = now.date().year();
    file.writeLine(QStringLiteral("<table class=\"header\">\n  <tr>\n    <td>%1</td>\n"
                                  "    <td style=\"text-align:right\">%2</td>\n  </tr>\n"
                                  "</table>\n")
                       .arg(Product::Name, date));
    file.writeLine(QStringLiteral("<br />\n"));

    // The property's figures.
    file.writeLine(QStringLiteral("<table>"));
    file.writeLine(QStringLiteral("  <tr>\n    <td class=\"label\">%1</td>\n"
                                  "    <td class=\"odd\" style=\"text-align:left\">%2</td>\n"
                                  "  </tr>")
                       .arg(translatedLabel(QT_TRANSLATE_NOOP("Report", "Description")),
                            htmlEncode(r.m_description)));
    file.writeLine(PropertyRow.arg(translatedLabel(QT_TRANSLATE_NOOP("Report", "Purchase Price")), QStringLiteral("even"),
                                   isolatedFigure(r.m_purchasePrice.format(r.m_currency))));
    file.writeLine(PropertyRow.arg(translatedLabel(QT_TRANSLATE_NOOP("Report", "Monthly Rental Income")), QStringLiteral("odd"),
                                   isolatedFigure(r.m_rentalIncome.format(r.m_currency))));
    file.writeLine(PropertyRow.arg(translatedLabel(QT_TRANSLATE_NOOP("Report", "Monthly Escrow")), QStringLiteral("even"),
                                   isolatedFigure(r.m_escrow.format(r.m_currency))));
    file.writeLine(PropertyRow.arg(translatedLabel(QT_TRANSLATE_NOOP("Report", "Other Monthly Fees")), QStringLiteral("odd"),
                                   isolatedFigure(r.m_otherFees.format(r.m_currency))));
    file.writeLine(PropertyRow.arg(translatedLabel(QT_TRANSLATE_NOOP("Report", "Safety Margin")), QStringLiteral("even"),
                                   isolatedFigure(r.m_safetyMargin.format(r.m_currency))));
    file.writeLine(QStringLiteral("</table>"));
    file.writeLine(QStringLiteral("<br />\n"));

    // The five loans side by side: what the user typed, then what follows from it.
    file.writeLine(QStringLiteral("<table>"));
    file.writeLine(QStringLiteral("  <tr class=\"label\" style=\"text-align:center\">\n"
                                  "    <td>&nbsp;</td>\n    <td>%1</td>\n"
                                  "    <td>%2</td>\n    <td>%3</td>\n"
                                  "    <td>%4</td>\n    <td>%5</td>\n  </tr>")
                       .arg(loanHeading(1), loanHeading(2), loanHeading(3), loanHeading(4),
                            loanHeading(5)));
    file.writeLine(QStringLiteral("  <tr class=\"odd\" style=\"text-align:left\">\n"
                                  "    <td class=\"label\">%1</td>\n    <td>%2</td>\n"
                                  "    <td>%3</td>\n    <td>%4</td>\n    <td>%5</td>\n"
                                  "    <td>%6</td>\n  </tr>")
                       .arg(translatedLabel(QT_TRANSLATE_NOOP("Report", "Lender")),
                            htmlEncode(r.m_lender[0]), htmlEncode(r.m_lender[1]),
                            htmlEncode(r.m_lender[2]), htmlEncode(r.m_lender[3]),
                            htmlEncode(r.m_lender[4])));
    writeValueRow(file, "even", QT_TRANSLATE_NOOP("Report", "Down Payment"), r.m_downPayment,
                  r.m_currency);
    writeValueRow(file, "odd", QT_TRANSLATE_NOOP("Report", "Interest Rate"), r.m_interestRate,
                  r.m_currency);
    writeValueRow(file, "even", QT_TRANSLATE_NOOP("Report", "Term (Years)"), r.m_term,
                  r.m_currency);
    writeValueRow(file, "odd", QT_TRANSLATE_NOOP("Report", "PMI"), r.m_pmi, r.m_currency);

    // Each figure is computed from the exact doubles of the one before, just before
    // its row is written.
    struct FigureRow
    {
        Profit::Figure figure;
        const char *rowClass;
        const char *label;
    };
    static constexpr FigureRow figureRows[] = {
        {Profit::LoanAmount, "oddcalc", QT_TRANSLATE_NOOP("Report", "Loan Amount")},
        {Profit::PrincipalAndInterest, "evencalc",
         QT_TRANSLATE_NOOP("Report", "Principal and Interest")},
        {Profit::TotalMonthlyPayment, "oddcalc",
         QT_TRANSLATE_NOOP("Report", "Total Monthly Payment")},
        {Profit::MonthlyCashFlow, "evencalc", QT_TRANSLATE_NOOP("Report", "Monthly Cash Flow")},
        {Profit::SafetyCashFlow, "oddcalc", QT_TRANSLATE_NOOP("Report", "Safety Cash Flow")},
    };
    Profit::Row figures{};
    for (const FigureRow &row : figureRows) {
        Profit::step(row.figure, r, figures);
        writeFigureRow(file, row.rowClass, row.label, figures, r.m_currency);
    }
    file.writeLine(QStringLiteral("</table>\n"));

    // The footer and the end of the page.
    file.writeLine(QStringLiteral("<p class=\"footer\">Copyright &copy; %1 Quenwick\n"
                                  "  <a href=\"%2\">%3</a><br />\n  All rights reserved.</p>\n")
                       .arg(QString::number(year), webSite, Product::Name));
    file.writeLine(QStringLiteral("</div>\n</body>\n</html>"));
}

QString htmlEncode(const QString &text)
{
    QString encoded;
    encoded.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            encoded += QLatin1String("&quot;");
            break;
        case '&':
            encoded += QLatin1String("&amp;");
            break;
        case '<':
            encoded += QLatin1String("&lt;");
            break;
        case '>':
            encoded += QLatin1String("&gt;");
            break;
        default:
            encoded += isControlCharacter(c.unicode()) ? QLatin1Char(' ') : c;
            break;
        }
    }
    return encoded;
}

QString colorToHtml(BgrColor color)
{
    return QString::asprintf("#%02x%02x%02x", static_cast<unsigned>(color & 0xFFu),
                             static_cast<unsigned>((color >> 8) & 0xFFu),
                             static_cast<unsigned>((color >> 16) & 0xFFu));
}
