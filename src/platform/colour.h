// The three colours the tool ever sets.
#pragma once

#include <cstdint>

namespace np72 {

enum class Colour {
  ButtonFace,  // the platform's button-face colour, also the window background
  Red,         // RGB (255, 0, 0)
  Green,       // RGB (0, 128, 0), a dark green
};

struct Rgb {
  std::uint8_t r, g, b;
};

inline constexpr Rgb kRedRgb{255, 0, 0};
inline constexpr Rgb kGreenRgb{0, 128, 0};
inline constexpr Rgb kBlackRgb{0, 0, 0};

}  // namespace np72
