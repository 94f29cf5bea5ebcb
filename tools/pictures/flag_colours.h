// The flags' colours, shared by the 21 x 20 palette drawings and the larger ones.
#pragma once

#include "raster.h"

namespace zintar::pictures::flag_colours {

inline constexpr Rgb kGrey = rgb(0xC6C6C6); // the flag's corners and the white's edge
inline constexpr Rgb kDarkRed = rgb(0x840000);
inline constexpr Rgb kRed = rgb(0xFF0000);

inline constexpr Rgb kHungarianGreen = rgb(0x00FF00);
inline constexpr Rgb kHungarianDarkGreen = rgb(0x008400);

inline constexpr Rgb kUnionDarkBlue = rgb(0x080818);
inline constexpr Rgb kUnionBlue = rgb(0x292984);
inline constexpr Rgb kUnionMidBlue = rgb(0x736BAD);
inline constexpr Rgb kUnionPale = rgb(0xD6D6E7);
inline constexpr Rgb kUnionLightRed = rgb(0xFF5A5A);

} // namespace zintar::pictures::flag_colours
