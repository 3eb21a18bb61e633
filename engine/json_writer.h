#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trevalo::engine {

// Writes one JSON text as it is given: members and elements in the order they are added, each
// container spaced as its caller chooses and broken into lines where the caller asks. Strings
// are escaped as JSON requires; a number that is not finite is written as null.
class JsonWriter {
public:
    enum class Numbers {
        Shortest,     // the shortest text that reads back as the same double
        WholeInFull,  // the same, but whole numbers up to 2^53 in full, never with an exponent
    };
    enum class Spacing {
        Spaced,   // ", " between members and ": " after a key
        Compact,  // "," and ":"
    };

    explicit JsonWriter(Numbers numbers = Numbers::Shortest) : m_numbers(numbers) {}

    JsonWriter& beginObject(Spacing spacing = Spacing::Spaced);
    JsonWriter& endObject();
    JsonWriter& beginArray(Spacing spacing = Spacing::Spaced);
    JsonWriter& endArray();
    // The next member's key; its value follows.
    JsonWriter& key(std::string_view name);

    JsonWriter& string(std::string_view text);
    JsonWriter& number(double value);
    JsonWriter& number(const std::optional<double>& value);
    JsonWriter& whole(std::int64_t value);
    JsonWriter& boolean(bool value);
    JsonWriter& null();

    // The next member or element, or the end of the container when none follows, starts a new
    // line indented by this many spaces.
    JsonWriter& newLine(int indent);

    const std::string& text() const { return m_text; }

private:
    struct Container {
        Spacing spacing;
        bool empty = true;
    };

    void beforeValue();
    void open(char bracket, Spacing spacing);
    void close(char bracket);

    std::string m_text;
    std::vector<Container> m_open;
    Numbers m_numbers;
    std::optional<int> m_lineBreak;
    bool m_afterKey = false;
};

// A string as a JSON text: in quotes, with quote, backslash and control characters escaped.
std::string jsonString(std::string_view text);

// A result the command line prints: an object opened with its format and version, members to follow.
JsonWriter resultReport(JsonWriter::Numbers numbers = JsonWriter::Numbers::Shortest);

}  // namespace trevalo::engine
