#pragma once

#include "core/appsettings.h"

#include <QDateTime>
#include <QString>

struct DealRecord;
class TextFile;
// Writes the profit report: one XHTML page with the property's figures, the five
// loans side by side and the figures computed for each loan, styled with the report settings. The page is
// UTF-8 with CR LF line ends and replaces an earlier report atomically.
class Report
{
public:
    Report(const DealRecord &record, const AppSettings &settings);
    virtual ~Report();
    Report(const Report &) = delete;
    Report &operator=(const Report &) = delete;

    // Writes the whole page to path. True when it was written and closed; false after a file
    // error or lack of memory, with its message in *error, and the earlier file at path is left
    // as it was.
    bool create(const QString &path, QString *error = nullptr);

    // Tests: the local date and time the report reads instead of the clock.
    void setClock(const QDateTime &localDateTime);

private:
    void writePage(TextFile &file) const;

    const DealRecord &m_record;
    const AppSettings &m_settings;
    QDateTime m_clock;
};

// The text with '"', '&', '<' and '>' replaced by their entities; the apostrophe stays.
[[nodiscard]] QString htmlEncode(const QString &text);
// "#rrggbb", lower-case, from a BgrColor 0x00BBGGRR; bits 24 to 31 play no part.
[[nodiscard]] QString colorToHtml(BgrColor color);
// The font name as the report's style can hold it: a comma-separated list of families, without
// the characters that could end the style or open a string or comment ("</style>" is not left).
[[nodiscard]] QString cssFontFamilies(const QString &fontName);
// The font size as the report's style can hold it: the letters, digits and ".%+-" of a keyword
// or a length; everything else is dropped.
[[nodiscard]] QString cssFontSize(const QString &fontSize);
