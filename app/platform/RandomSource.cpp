#include "platform/RandomSource.h"

#include <chrono>

namespace platform {
namespace {

std::uint32_t clockNoise()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks) ^ static_cast<std::uint32_t>(ticks >> 32);
}

}  // namespace

ClockSeededRandom::ClockSeededRandom()
{
    std::random_device device;
    std::seed_seq seed{device(), device(), clockNoise()};
    engine_.seed(seed);
}

void ClockSeededRandom::reseedFromClock()
{
    std::seed_seq seed{static_cast<std::uint32_t>(engine_()), static_cast<std::uint32_t>(engine_()), clockNoise()};
    engine_.seed(seed);
}

float ClockSeededRandom::next()
{
    // 24 random bits fill a float's mantissa exactly, so 1.0 can never come out.
    return static_cast<float>(engine_() >> 8) * (1.0F / 16777216.0F);
}

}  // namespace platform
