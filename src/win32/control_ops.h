// The window operations of the core, carried out on the real controls.
#pragma once

#include <array>

#include "platform/window_ops.h"
#include "win32/main_window.h"

namespace np72::win32 {

class ControlOps final : public WindowOps {
 public:
  explicit ControlOps(const MainWindow& window) : window_(window) {}

  void SetText(Control control, std::string_view text) override;
  void SetMaskText(Control control, std::string_view text) override;
  std::string MaskText(Control control) const override;
  void Clear(Control control) override;
  void SetColour(Control control, Colour colour) override;
  void SetVisible(Control control, bool visible) override;
  void PaintImage(Control control, Colour brush) override;
  Colour ImageBrush(Control control) const override;
  void AppendLine(Control control, std::string_view line) override;
  void ClearLines(Control control) override;
  void ClearSeries(Control series) override;
  void AddPoint(Control series, int x, int y, Colour colour) override;
  WindowHandle Handle() override;

 private:
  // A label's width follows its text; it grows to the right.
  void FitLabel(HWND label);

  const MainWindow& window_;
  std::array<Colour, kControlCount> brushes_{};
};

}  // namespace np72::win32
