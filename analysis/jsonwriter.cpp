#include "analysis/jsonwriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

// The text of QByteArray::number(value, 'g', QLocale::FloatingPointShortest) for a finite value
// other than 0: the shortest digits that read back the same, in fixed or exponent form,
// whichever is shorter (the fixed one on a tie). Built on std::to_chars, which is several times
// faster: a JSON of many deals over many years is mostly such numbers.
void appendShortest(std::string &result, double value)
{
    char scientific[32];
    const char *end = std::to_chars(scientific, scientific + sizeof scientific, std::abs(value),
                                    std::chars_format::scientific).ptr;
    const char *e = std::find(static_cast<const char *>(scientific), end, 'e');
    char digits[24];
    int count = 0;
    for (const char *c = scientific; c != e; ++c) {
        if (*c != '.')
            digits[count++] = *c;
    }
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+'), end, exponent);
    const int magnitude = std::abs(exponent);
    // d.ddde±XX (at least two digits in the exponent) against the digits with a point.
    const int exponentDigits = magnitude >= 100 ? 3 : 2;
    const int exponentialLength = count + (count > 1) + 2 + exponentDigits;
    const int fixedLength = exponent >= 0 ? std::max(count, exponent + 1) + (count > exponent + 1)
                                          : 2 + (-exponent - 1) + count;
    char text[400];
    char *out = text;
    if (value < 0)
        *out++ = '-';
    if (exponentialLength < fixedLength) {
        *out++ = digits[0];
        if (count > 1) {
            *out++ = '.';
            out = std::copy(digits + 1, digits + count, out);
        }
        *out++ = 'e';
        *out++ = exponent < 0 ? '-' : '+';
        if (magnitude < 10)
            *out++ = '0';
        out = std::to_chars(out, text + sizeof text, magnitude).ptr;
    } else if (exponent >= 0) {
        const int whole = exponent + 1;
        out = std::copy(digits, digits + std::min(count, whole), out);
        out = std::fill_n(out, std::max(0, whole - count), '0');
        if (count > whole) {
            *out++ = '.';
            out = std::copy(digits + whole, digits + count, out);
        }
    } else {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -exponent - 1, '0');
        out = std::copy(digits, digits + count, out);
    }
    result.append(text, std::size_t(out - text));
}

// The same for a value below 2^53 in size: there the standard's shortest text, fixed or
// exponent form, is the one above digit for digit (24 characters at most), in one step. Beyond,
// its fixed form writes every digit of a whole number.
void appendShortestBelowWhole(std::string &result, double value)
{
    char text[40];
    const std::to_chars_result written = std::to_chars(text, text + sizeof text, value);
    if (written.ec == std::errc())
        result.append(text, std::size_t(written.ptr - text));
    else
        appendShortest(result, value);
}

} // namespace

JsonWriter::JsonWriter(int level, bool compact) : m_level(level), m_compact(compact)
{
}

void JsonWriter::indent(int level)
{
    if (m_compact)
        return;
    m_out += '\n';
    m_out.append(std::size_t(4 * level), ' ');
}

void JsonWriter::nextItem()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_open.empty())
        return;
    if (!m_open.back().empty)
        m_out += ',';
    m_open.back().empty = false;
    indent(m_level + int(m_open.size()));
}

void JsonWriter::beginObject()
{
    nextItem();
    m_out += '{';
    m_open.push_back({true, true});
}

void JsonWriter::beginArray()
{
    nextItem();
    m_out += '[';
    m_open.push_back({false, true});
}

void JsonWriter::endObject()
{
    endArray();
}

void JsonWriter::endArray()
{
    const bool isObject = m_open.back().isObject;
    m_open.pop_back();
    indent(m_level + int(m_open.size()));
    m_out += isObject ? '}' : ']';
}

void JsonWriter::key(std::string_view name)
{
    nextItem();
    m_out += '"';
    m_out += name;
    m_out += m_compact ? "\":" : "\": ";
    m_afterKey = true;
}

void JsonWriter::appendNumber(double number)
{
    constexpr double SafeInteger = 9007199254740992.0; // 2^53
    if (!std::isfinite(number)) {
        m_out += "null";
    } else if (std::abs(number) < SafeInteger && number == std::trunc(number)) {
        char digits[24];
        m_out.append(digits, std::size_t(std::to_chars(digits, digits + sizeof digits,
                                                        std::int64_t(number)).ptr - digits));
    } else if (std::abs(number) < SafeInteger) {
        appendShortestBelowWhole(m_out, number);
    } else {
        appendShortest(m_out, number);
    }
}

void JsonWriter::value(double number)
{
    nextItem();
    appendNumber(number);
}

void JsonWriter::value(const Measure &measure)
{
    nextItem();
    if (measure.isKnown())
        appendNumber(measure.value);
    else
        m_out += "null";
}

void JsonWriter::value(int number)
{
    value(double(number));
}

void JsonWriter::value(bool yes)
{
    nextItem();
    m_out += yes ? "true" : "false";
}

void JsonWriter::null()
{
    nextItem();
    m_out += "null";
}

void JsonWriter::value(const QString &text)
{
    nextItem();
    m_out += '"';
    for (const char c : text.toStdString()) {
        switch (c) {
        case '"':
            m_out += "\\\"";
            break;
        case '\\':
            m_out += "\\\\";
            break;
        case '\b':
            m_out += "\\b";
            break;
        case '\f':
            m_out += "\\f";
            break;
        case '\n':
            m_out += "\\n";
            break;
        case '\r':
            m_out += "\\r";
            break;
        case '\t':
            m_out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static const char hex[] = "0123456789abcdef";
                m_out += "\\u00";
                m_out += hex[(c >> 4) & 0xf];
                m_out += hex[c & 0xf];
            } else {
                m_out += c;
            }
        }
    }
    m_out += '"';
}
