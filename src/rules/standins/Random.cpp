#include "rules/standins/Random.h"

#include <chrono>
#include <cstdint>

namespace rules {

namespace {

std::uint64_t state = 0x853c49e6748fea9bULL;

std::function<float()> rndStandIn; // set only by tests

// SplitMix64: every call advances the state by a fixed odd step and scrambles it, so a
// sequence never repeats within 2^64 draws.
std::uint64_t nextBits()
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

} // namespace

float Rnd()
{
    if (rndStandIn)
        return rndStandIn();
    // 24 bits fill a float's mantissa exactly, so the result is below 1 at single precision.
    return float(nextBits() >> 40) * (1.0f / 16777216.0f);
}

void Randomize()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    state ^= std::uint64_t(now);
    nextBits();
}

void replaceRnd(std::function<float()> standIn)
{
    rndStandIn = std::move(standIn);
}

} // namespace rules
