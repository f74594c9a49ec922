#pragma once

#include <random>

namespace platform {

// Where target colours come from. Tests inject their own sequence.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Stirs the clock into the generator; the game does this before every draw.
    virtual void reseedFromClock() = 0;
    // The next value, uniform in [0, 1).
    virtual float next() = 0;
};

// Seeded once from a high-resolution source. A reseed mixes the clock into the
// running state instead of replacing it, so two reseeds within one clock tick
// still give different draws.
class ClockSeededRandom final : public RandomSource {
public:
    ClockSeededRandom();
    void reseedFromClock() override;
    float next() override;

private:
    std::mt19937 engine_;
};

}  // namespace platform
