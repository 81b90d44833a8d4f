// A window that does nothing, so that only the tool's own work is measured.
#pragma once

#include "platform/window_ops.h"

namespace np72::bench {

class NullWindow final : public WindowOps {
 public:
  void SetText(Control, std::string_view text) override { sink_ += text.size(); }
  void SetMaskText(Control, std::string_view text) override { sink_ += text.size(); }
  std::string MaskText(Control) const override { return "    "; }
  void Clear(Control) override {}
  void SetColour(Control, Colour colour) override { sink_ += static_cast<int>(colour); }
  void SetVisible(Control, bool) override {}
  void PaintImage(Control, Colour brush) override { brush_ = brush; }
  Colour ImageBrush(Control) const override { return brush_; }
  void AppendLine(Control, std::string_view line) override { sink_ += line.size(); }
  void ClearLines(Control) override {}
  void ClearSeries(Control) override {}
  void AddPoint(Control, int x, int y, Colour) override { sink_ += static_cast<unsigned>(x + y); }
  WindowHandle Handle() override { return 0; }

  // Keeps the calls from being optimised away.
  unsigned long long Sink() const { return sink_; }

 private:
  unsigned long long sink_ = 0;
  Colour brush_ = Colour::ButtonFace;
};

}  // namespace np72::bench
