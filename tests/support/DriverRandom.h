#pragma once

#include <cstdint>

// The event driver's own generator. One seed picks the events and feeds the game's draws,
// so a seed replays a whole run. SplitMix64 is fixed and portable, unlike the standard
// library's distributions, whose outputs differ between implementations.
class DriverRandom
{
public:
    explicit DriverRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // 0 <= result < n.
    int below(int n) { return int(next() % std::uint64_t(n)); }

    // 0 <= r < 1 at single precision, as the game's own generator draws.
    float unit() { return float(next() >> 40) * (1.0f / 16777216.0f); }

    bool chance(float p) { return unit() < p; }

private:
    std::uint64_t state_;
};
