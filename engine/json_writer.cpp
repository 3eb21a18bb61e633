#include "engine/json_writer.h"

#include "engine/display_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace trevalo::engine {

namespace {

// The largest whole number below which every whole number is a double.
constexpr double kExactWholeLimit = 9007199254740992.0;  // 2^53

// The shortest digits of a nonzero value with its decimal point's place: digits d1 d2 ... and
// point such that the value is 0.d1d2... x 10^point.
void shortestDigits(double magnitude, std::string& digits, int& point)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t exponent = text.find('e');
    for (const char c : text.substr(0, exponent))
        if (c != '.')
            digits += c;
    point = std::atoi(std::string(text.substr(exponent + 1)).c_str()) + 1;
}

// Whole numbers that are exact in full; other values in decimal form unless the exponent
// form is shorter (an exponent counting four characters, "e+05").
std::string wholeInFull(double value)
{
    if (value == 0)
        return "0";
    std::string digits;
    int point = 0;
    const double magnitude = std::abs(value);
    shortestDigits(magnitude, digits, point);
    const int length = static_cast<int>(digits.size());
    bool decimal = true;
    if (!(magnitude == std::floor(magnitude) && magnitude <= kExactWholeLimit)) {
        int bias = 4;
        if (length <= point && length > 1)
            ++bias;
        else if (length == 1 && point <= 0)
            --bias;
        decimal = point <= 0 ? 1 - point <= bias : point <= length + bias;
    }
    std::string text = value < 0 ? "-" : "";
    if (!decimal) {
        text += digits.front();
        if (length > 1)
            text += '.' + digits.substr(1);
        const int exponent = point - 1;
        text += exponent < 0 ? "e-" : "e+";
        text += (std::abs(exponent) < 10 ? "0" : "") + std::to_string(std::abs(exponent));
    } else if (point <= 0) {
        text += "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point >= length) {
        text += digits + std::string(static_cast<std::size_t>(point - length), '0');
    } else {
        text += digits.substr(0, static_cast<std::size_t>(point)) + '.' + digits.substr(static_cast<std::size_t>(point));
    }
    return text;
}

}  // namespace

std::string jsonString(std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        switch (c) {
        case '"': quoted += "\\\""; break;
        case '\\': quoted += "\\\\"; break;
        case '\b': quoted += "\\b"; break;
        case '\f': quoted += "\\f"; break;
        case '\n': quoted += "\\n"; break;
        case '\r': quoted += "\\r"; break;
        case '\t': quoted += "\\t"; break;
        default:
            if (code < 0x20) {
                quoted += "\\u00";
                quoted += kHex[code >> 4];
                quoted += kHex[code & 0xf];
            } else {
                quoted += c;
            }
        }
    }
    return quoted + '"';
}

JsonWriter& JsonWriter::beginObject(Spacing spacing)
{
    open('{', spacing);
    return *this;
}

JsonWriter& JsonWriter::endObject()
{
    close('}');
    return *this;
}

JsonWriter& JsonWriter::beginArray(Spacing spacing)
{
    open('[', spacing);
    return *this;
}

JsonWriter& JsonWriter::endArray()
{
    close(']');
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    beforeValue();
    m_text += jsonString(name);
    m_text += m_open.back().spacing == Spacing::Spaced ? ": " : ":";
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view text)
{
    beforeValue();
    m_text += jsonString(text);
    return *this;
}

JsonWriter& JsonWriter::number(double value)
{
    beforeValue();
    if (!std::isfinite(value))
        m_text += "null";
    else
        m_text += m_numbers == Numbers::Shortest ? shortestText(value) : wholeInFull(value);
    return *this;
}

JsonWriter& JsonWriter::number(const std::optional<double>& value) { return value ? number(*value) : null(); }

JsonWriter& JsonWriter::whole(std::int64_t value)
{
    beforeValue();
    m_text += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::boolean(bool value)
{
    beforeValue();
    m_text += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null()
{
    beforeValue();
    m_text += "null";
    return *this;
}

JsonWriter& JsonWriter::newLine(int indent)
{
    m_lineBreak = indent;
    return *this;
}

void JsonWriter::beforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_open.empty())
        return;
    Container& container = m_open.back();
    if (!container.empty)
        m_text += container.spacing == Spacing::Spaced && !m_lineBreak ? ", " : ",";
    container.empty = false;
    if (m_lineBreak) {
        m_text += '\n' + std::string(static_cast<std::size_t>(*m_lineBreak), ' ');
        m_lineBreak.reset();
    }
}

void JsonWriter::open(char bracket, Spacing spacing)
{
    beforeValue();
    m_text += bracket;
    m_open.push_back({spacing});
}

void JsonWriter::close(char bracket)
{
    if (m_lineBreak) {
        m_text += '\n' + std::string(static_cast<std::size_t>(*m_lineBreak), ' ');
        m_lineBreak.reset();
    }
    m_text += bracket;
    m_open.pop_back();
}

JsonWriter resultReport(JsonWriter::Numbers numbers)
{
    JsonWriter json(numbers);
    json.beginObject().key("format").string("trevalo-result").key("version").whole(1);
    return json;
}

}  // namespace trevalo::engine
