#pragma once

#include <cstdint>

namespace artwork {

// A seeded stream of random numbers for laying out the artwork: the same seed gives the same
// stones on every machine, so the pictures come out byte for byte the same on every run.
class Dice
{
public:
    explicit Dice(std::uint64_t seed) : state_(seed) {}

    // Uniform in [0, 1).
    double next()
    {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return double(z >> 11) / double(1ull << 53);
    }

    double between(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    std::uint64_t state_;
};

} // namespace artwork
