#include "analysis/jsonwriter.h"

#include <fmt/format.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// The digits of n below 10^8, all eight of them, in two independent halves of two pairs each:
// the standard library's digits wait on one division after another.
void writeEightDigits(char *out, std::uint32_t n)
{
    static constexpr char Pairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    const std::uint32_t high = n / 10000, low = n % 10000;
    std::memcpy(out, Pairs + 2 * (high / 100), 2);
    std::memcpy(out + 2, Pairs + 2 * (high % 100), 2);
    std::memcpy(out + 4, Pairs + 2 * (low / 100), 2);
    std::memcpy(out + 6, Pairs + 2 * (low % 100), 2);
}

// The text of QByteArray::number(value, 'g', QLocale::FloatingPointShortest) for a finite value
// other than 0: the shortest digits that read back the same, in fixed or exponent form,
// whichever is shorter (the fixed one on a tie). The digits come from fmt's Dragonbox, some three
// times as fast as the standard library's: a JSON of many deals over many years is mostly such
// numbers.
char *writeShortest(char *out, double value)
{
    const auto shortest = fmt::detail::dragonbox::to_decimal(std::abs(value));
    // A double's shortest digits are 17 at most: written as 17 with leading zeros, then skipped.
    constexpr std::uint64_t Eight = 100000000;
    char written[17];
    const std::uint64_t significand = shortest.significand;
    written[0] = char('0' + significand / (Eight * Eight));
    writeEightDigits(written + 1, std::uint32_t(significand / Eight % Eight));
    writeEightDigits(written + 9, std::uint32_t(significand % Eight));
    const char *digits = std::find_if(written, written + 16, [](char c) { return c != '0'; });
    const int count = int(written + 17 - digits);
    const int exponent = shortest.exponent + count - 1; // of the first digit
    const int magnitude = std::abs(exponent);
    // d.ddde±XX (at least two digits in the exponent) against the digits with a point.
    const int exponentDigits = magnitude >= 100 ? 3 : 2;
    const int exponentialLength = count + (count > 1) + 2 + exponentDigits;
    const int fixedLength = exponent >= 0 ? std::max(count, exponent + 1) + (count > exponent + 1)
                                          : 2 + (-exponent - 1) + count;
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
        out = std::to_chars(out, out + 3, magnitude).ptr;
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
    return out;
}

// Room enough for any number written: the form chosen is the shorter, at most a sign, 17 digits,
// a point and an exponent of "e-" and three digits (24 characters).
constexpr qsizetype NumberRoom = 40;

} // namespace

JsonWriter::JsonWriter(int level, bool compact) : m_level(level), m_compact(compact)
{
}

void JsonWriter::reserve(std::size_t bytes)
{
    if (qsizetype(bytes) > m_room) {
        m_out.resize(qsizetype(bytes)); // the new bytes are left as they are: room, not text
        m_data = m_out.data();
        m_room = m_out.size();
    }
}

char *JsonWriter::grown(qsizetype bytes)
{
    reserve(std::size_t(std::max(2 * m_room, m_size + bytes)));
    return m_data + m_size;
}

void JsonWriter::put(std::string_view text)
{
    std::memcpy(room(qsizetype(text.size())), text.data(), text.size());
    m_size += qsizetype(text.size());
}

QByteArray JsonWriter::take()
{
    m_out.resize(m_size);
    m_data = nullptr;
    m_room = m_size = 0;
    return std::move(m_out);
}

void JsonWriter::newLine(int level)
{
    char *out = room(1 + 4 * level);
    *out = '\n';
    std::memset(out + 1, ' ', std::size_t(4 * level));
    m_size += 1 + 4 * level;
}

void JsonWriter::beginObject()
{
    nextItem();
    put('{');
    m_open.push_back({true, true});
}

void JsonWriter::beginArray()
{
    nextItem();
    put('[');
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
    put(isObject ? '}' : ']');
}

void JsonWriter::key(std::string_view name)
{
    nextItem();
    char *out = room(qsizetype(name.size()) + 4);
    *out++ = '"';
    out = std::copy(name.begin(), name.end(), out);
    *out++ = '"';
    *out++ = ':';
    if (!m_compact)
        *out++ = ' ';
    m_size = out - m_data;
    m_afterKey = true;
}

void JsonWriter::appendNumber(double number)
{
    constexpr double SafeInteger = 9007199254740992.0; // 2^53
    if (!std::isfinite(number)) {
        put("null");
        return;
    }
    char *out = room(NumberRoom);
    // Below 2^53 a whole number is its own 64-bit integer.
    if (std::abs(number) < SafeInteger && number == double(std::int64_t(number)))
        out = std::to_chars(out, out + 24, std::int64_t(number)).ptr;
    else
        out = writeShortest(out, number);
    m_size = out - m_data;
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
        put("null");
}

void JsonWriter::value(int number)
{
    value(double(number));
}

void JsonWriter::value(bool yes)
{
    nextItem();
    put(yes ? "true" : "false");
}

void JsonWriter::null()
{
    nextItem();
    put("null");
}

void JsonWriter::value(const QString &text)
{
    nextItem();
    put('"');
    for (const char c : text.toStdString()) {
        switch (c) {
        case '"':
            put("\\\"");
            break;
        case '\\':
            put("\\\\");
            break;
        case '\b':
            put("\\b");
            break;
        case '\f':
            put("\\f");
            break;
        case '\n':
            put("\\n");
            break;
        case '\r':
            put("\\r");
            break;
        case '\t':
            put("\\t");
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static const char hex[] = "0123456789abcdef";
                put("\\u00");
                put(hex[(c >> 4) & 0xf]);
                put(hex[c & 0xf]);
            } else {
                put(c);
            }
        }
    }
    put('"');
}
