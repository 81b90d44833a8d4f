// The window operations over the Qt widgets of the main window.
#pragma once

#include <QColor>

#include "platform/window_ops.h"
#include "qt/main_window.h"

namespace np72::qt {

QColor ToQColor(Colour colour, const QWidget& window);

class QtWindowOps final : public WindowOps {
 public:
  explicit QtWindowOps(MainWindow& window) : window_(window) {}

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
  template <class Widget>
  Widget& As(Control control) const;

  MainWindow& window_;
  Colour brush_ = Colour::ButtonFace;
};

}  // namespace np72::qt
