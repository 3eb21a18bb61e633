#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace trevalo::engine {

// Hands out the fuzzer's bytes as the choices and texts of a user's entries. Past the
// end every read gives zero or an empty text, so every input decodes.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t byte() { return m_position < m_size ? m_data[m_position++] : 0; }

    // A text of a length taken from the input: raw bytes (any UTF-8 or none), or,
    // for about half of the texts, a number-like text built from a small alphabet.
    std::string text()
    {
        const std::uint8_t header = byte();
        std::size_t length = header & 0x3f;
        if (length == 0x3f)  // now and then a very long text
            length = 1000 + static_cast<std::size_t>(byte()) * 64;
        std::string result;
        const bool numberLike = (header & 0x40) != 0;
        static constexpr char kAlphabet[] = "0123456789.-+eEdD &HhOo\t\n,x";
        for (std::size_t i = 0; i < length && m_position < m_size; ++i) {
            const std::uint8_t b = byte();
            result.push_back(numberLike ? kAlphabet[b % (sizeof kAlphabet - 1)] : static_cast<char>(b));
        }
        return result;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_position = 0;
};

}  // namespace trevalo::engine
