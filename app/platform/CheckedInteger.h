#pragma once

#include <cstdint>

namespace platform {

// The game's counters (speed, gauge, misses) are 16-bit signed integers whose
// arithmetic raises an overflow error instead of wrapping.
using Integer = std::int16_t;

Integer addChecked(Integer a, Integer b);
Integer subtractChecked(Integer a, Integer b);

// Boolean flags kept in an Integer: -1 is true, 0 is false.
inline constexpr Integer kTrue = -1;
inline constexpr Integer kFalse = 0;

}  // namespace platform
