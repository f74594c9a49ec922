#pragma once

#include <cmath>
#include <cstdint>

namespace platform {

// Positions and sizes are twips, 15 to the pixel at 96 dots per inch; a
// control property holds them as a 32-bit float.
using Twips = float;
inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// A 24-bit colour with red in the lowest byte: red + 256 * green + 65536 * blue.
using Colour = std::int32_t;

namespace colours {
inline constexpr Colour kBlack = 0;
inline constexpr Colour kRed = 255;
inline constexpr Colour kOrange = 33023;
inline constexpr Colour kYellow = 65535;
inline constexpr Colour kTeal = 12632064;
inline constexpr Colour kBlue = 16711680;
inline constexpr Colour kMidBlue = 16728128;
inline constexpr Colour kPaleBlue = 16744576;
inline constexpr Colour kLightGrey = 12632256;
inline constexpr Colour kLightAqua = 16777088;
inline constexpr Colour kPaleCyan = 16777152;
inline constexpr Colour kWhite = 16777215;
}  // namespace colours

inline constexpr int redOf(Colour c)
{
    return c & 0xFF;
}
inline constexpr int greenOf(Colour c)
{
    return (c >> 8) & 0xFF;
}
inline constexpr int blueOf(Colour c)
{
    return (c >> 16) & 0xFF;
}

}  // namespace platform
