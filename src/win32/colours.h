// The core's colours as Windows paints them.
#pragma once

#include <windows.h>

#include "platform/colour.h"

namespace np72::win32 {

inline COLORREF ColourRef(Colour colour) {
  switch (colour) {
    case Colour::Red: return RGB(kRedRgb.r, kRedRgb.g, kRedRgb.b);
    case Colour::Green: return RGB(kGreenRgb.r, kGreenRgb.g, kGreenRgb.b);
    case Colour::ButtonFace: break;
  }
  return GetSysColor(COLOR_BTNFACE);
}

}  // namespace np72::win32
