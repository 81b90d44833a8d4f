// What the tool's logic does to its main window, and nothing more.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/colour.h"
#include "platform/control.h"

namespace np72 {

using WindowHandle = std::uintptr_t;

// Texts are UTF-8. Masked fields follow the rules of MaskedField
// (window/masked_field.h): the front-end keeps one per masked control.
class WindowOps {
 public:
  // A label, panel, read-only edit or button caption.
  virtual void SetText(Control control, std::string_view text) = 0;
  // A masked field: placed from the first position, cut at four.
  virtual void SetMaskText(Control control, std::string_view text) = 0;
  // A masked field read back, a space in each empty position.
  virtual std::string MaskText(Control control) const = 0;
  // A read-only edit becomes empty; a masked field loses all four positions.
  virtual void Clear(Control control) = 0;
  // A panel's own background colour.
  virtual void SetColour(Control control, Colour colour) = 0;
  // Panel2 and GroupBox4, with everything inside them.
  virtual void SetVisible(Control control, bool visible) = 0;
  // Image1: a one-pixel black outline filled with the brush colour.
  virtual void PaintImage(Control control, Colour brush) = 0;
  virtual Colour ImageBrush(Control control) const = 0;
  // LogMemo.
  virtual void AppendLine(Control control, std::string_view line) = 0;
  virtual void ClearLines(Control control) = 0;
  // Series1. A reading replaces all points; the front-end repaints once it has them.
  virtual void ClearSeries(Control series) = 0;
  virtual void AddPoint(Control series, int x, int y, Colour colour) = 0;
  // The window's system handle, for the device-notification subscription.
  virtual WindowHandle Handle() = 0;

 protected:
  ~WindowOps() = default;
};

}  // namespace np72
