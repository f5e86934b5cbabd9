#pragma once
// SplitMix64: a small, fully specified generator, so that a seed gives the same numbers on every target
// (the standard library's distributions may differ between implementations).

#include <cstdint>

class SplitMix64 {
public:
    explicit SplitMix64(uint64_t seed) : state_(seed) {}

    // Uniform in [-1, 1), from the top 53 bits: exact in double arithmetic.
    double Uniform() {
        state_ += 0x9E3779B97F4A7C15ull;
        uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1.0p-52 - 1.0;
    }

private:
    uint64_t state_;
};
