#pragma once

#include "core/measure.h"

#include <QByteArray>
#include <QString>

#include <string_view>
#include <vector>

// Writes a JSON document piece by piece, as QJsonDocument's indented text lays it out (four
// spaces a level), the members in the order they are written. Numbers read back exactly: the
// shortest digits that do, a whole number below 2^53 in digits; a value that is not finite, or an
// unknown figure, is null. Strings are UTF-8 with quotes, backslashes and control characters
// escaped, so that no text a user typed can end a string or begin another member.
class JsonWriter
{
public:
    // level: how deep the first value stands, for a piece of a larger document. compact: no line
    // ends and no indentation, nor a space after a key's colon (a pipeline's one deal a line).
    explicit JsonWriter(int level = 0, bool compact = false);

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The key of the next member of the object being written.
    void key(std::string_view name);

    void value(double number);
    void value(const Measure &measure);
    void value(int number);
    void value(bool yes);
    void value(const QString &text);
    void null();

    [[nodiscard]] QByteArray text() const { return QByteArray(m_out.constData(), m_size); }
    // The text written, handed over without a copy; the writer is empty after.
    [[nodiscard]] QByteArray take();
    // Room for a text of about this many bytes, so that a long one is not copied as it grows.
    void reserve(std::size_t bytes);
    [[nodiscard]] std::size_t size() const { return std::size_t(m_size); }

private:
    // Before a value or a key: a comma after the earlier member, a line and the indentation.
    // Inline, as is the test for a line: a deal's years are thousands of values.
    void nextItem()
    {
        if (m_afterKey) {
            m_afterKey = false;
            return;
        }
        if (m_open.empty())
            return;
        if (!m_open.back().empty)
            put(',');
        m_open.back().empty = false;
        indent(m_level + int(m_open.size()));
    }
    void indent(int level)
    {
        if (!m_compact)
            newLine(level);
    }
    void newLine(int level);
    void appendNumber(double number);
    // Where the next bytes go, with room for at least this many: numbers and keys are written in
    // place, a market's deals being mostly those.
    char *room(qsizetype bytes) { return m_size + bytes <= m_room ? m_data + m_size : grown(bytes); }
    char *grown(qsizetype bytes);
    void put(char c) { *room(1) = c; ++m_size; }
    void put(std::string_view text);

    struct Container
    {
        bool isObject;
        bool empty;
    };
    QByteArray m_out; // m_size bytes written, the rest room for more
    char *m_data = nullptr; // m_out's bytes, m_room of them
    qsizetype m_room = 0;
    qsizetype m_size = 0;
    std::vector<Container> m_open;
    int m_level;
    bool m_compact;
    bool m_afterKey = false;
};
