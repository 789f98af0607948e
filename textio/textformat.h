#pragma once

#include <QLatin1String>
#include <QString>

#include <initializer_list>

// One argument of a formatted piece: a text or a whole number. Only these two exist, so a call
// can never hand the formatter something it would misread.
class FormatArg
{
public:
    FormatArg(const QString &text) : m_text(text) {}
    FormatArg(QLatin1String text) : m_text(text) {}
    // UTF-8 text.
    FormatArg(const char *text) : m_text(QString::fromUtf8(text)) {}
    FormatArg(int number) : m_number(number), m_isNumber(true) {}
    // Anything else (long, double, bool, pointers...) is refused at compile time.
    template <typename T>
    FormatArg(T) = delete;

    [[nodiscard]] bool isNumber() const { return m_isNumber; }
    [[nodiscard]] int number() const { return m_number; }
    // The text, or the number in decimal.
    [[nodiscard]] QString text() const;

private:
    QString m_text;
    int m_number = 0;
    bool m_isNumber = false;
};

// printf-style formatting of the few directives the program uses, with no length limit:
//   "%s" takes the next argument as text (a number gives its decimal digits),
//   "%d" takes the next argument as a decimal number (a text is copied as it is),
//   "%%" gives one "%".
// A "%" that starts no such directive, and a directive for which no argument is left, is copied
// literally; arguments beyond the directives are ignored. Nothing is ever read that was not
// passed.
[[nodiscard]] QString formatText(const QString &format, std::initializer_list<FormatArg> args);

template <typename... Args>
[[nodiscard]] QString formatTextV(const QString &format, const Args &...args)
{
    return formatText(format, {FormatArg(args)...});
}

// The text with every "%" doubled, so that formatting gives it back unchanged.
[[nodiscard]] QString escapeFormat(const QString &text);

// True for the control characters U+0000 to U+001F and U+007F, which no file of the program
// keeps inside a text: a line end would split the line, U+001A ends a deal file.
[[nodiscard]] constexpr bool isControlCharacter(char16_t c)
{
    return c < 0x20 || c == 0x7F;
}

// The text with every control character written as a space.
[[nodiscard]] QString withoutControlCharacters(QString text);
