#pragma once

#include "core/appsettings.h"

#include <QDateTime>
#include <QString>

struct CDealRecord;
class CTextFile;
// Writes the profit report: one XHTML page with the property's figures, the five
// loans side by side and the figures computed for each loan, styled with the report settings. The page is
// UTF-8 with CR LF line ends and replaces an earlier report atomically.
class CReport
{
public:
    CReport(const CDealRecord &record, const CAppSettings &settings);
    virtual ~CReport();
    CReport(const CReport &) = delete;
    CReport &operator=(const CReport &) = delete;

    // Writes the whole page to path. True when it was written and closed; false after a file
    // error or lack of memory, with its message in *error, and the earlier file at path is left
    // as it was.
    bool Create(const QString &path, QString *error = nullptr);

    // Tests: the local date and time the report reads instead of the clock.
    void SetClock(const QDateTime &localDateTime);

private:
    void WritePage(CTextFile &file) const;

    const CDealRecord &m_record;
    const CAppSettings &m_settings;
    QDateTime m_clock;
};

// The text with '"', '&', '<' and '>' replaced by their entities; the apostrophe stays.
[[nodiscard]] QString HtmlEncode(const QString &text);
// "#rrggbb", lower-case, from a BgrColor 0x00BBGGRR; bits 24 to 31 play no part.
[[nodiscard]] QString ColorToHtml(BgrColor color);
// The font name as the report's style can hold it: a comma-separated list of families, without
// the characters that could end the style or open a string or comment ("</style>" is not left).
[[nodiscard]] QString CssFontFamilies(const QString &fontName);
// The font size as the report's style can hold it: the letters, digits and ".%+-" of a keyword
// or a length; everything else is dropped.
[[nodiscard]] QString CssFontSize(const QString &fontSize);
