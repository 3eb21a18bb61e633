#pragma once

#include <cstdint>

namespace trevalo::engine {

// A small generator of its own (xoshiro256**, seeded through splitmix64), so that the same
// entries give the same figures whatever the standard library.
class RandomStream {
public:
    // One independent stream for each (seed, stream) pair.
    RandomStream(std::uint64_t seed, std::uint64_t stream)
    {
        // The seed is hashed first, so that neighbouring seeds and streams draw unrelated states.
        std::uint64_t seedState = seed;
        std::uint64_t mix = splitMix(seedState) ^ (stream + 1) * 0xD1B54A32D192ED03ull;
        for (std::uint64_t& word : m_state)
            word = splitMix(mix);
    }

    std::uint64_t next()
    {
        const std::uint64_t result = rotate(m_state[1] * 5, 7) * 9;
        const std::uint64_t shifted = m_state[1] << 17;
        m_state[2] ^= m_state[0];
        m_state[3] ^= m_state[1];
        m_state[1] ^= m_state[2];
        m_state[0] ^= m_state[3];
        m_state[2] ^= shifted;
        m_state[3] = rotate(m_state[3], 45);
        return result;
    }

    // Uniform on [0, 1), in steps of 2^-53.
    double unit() { return static_cast<double>(next() >> 11) * 0x1p-53; }

private:
    static std::uint64_t rotate(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    static std::uint64_t splitMix(std::uint64_t& state)
    {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::uint64_t m_state[4] = {};
};

}  // namespace trevalo::engine
