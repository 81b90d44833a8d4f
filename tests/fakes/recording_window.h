// A window that records what the tool's logic does to it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/window_ops.h"
#include "window/masked_field.h"

namespace np72::testing {

struct ChartPoint {
  int x;
  int y;
  Colour colour;
  bool operator==(const ChartPoint&) const = default;
};

class RecordingWindow final : public WindowOps {
 public:
  RecordingWindow();

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
  WindowHandle Handle() override { return kHandle; }

  static constexpr WindowHandle kHandle = 0x1234;

  // The operator types into a masked field.
  MaskedField& Field(Control control) { return fields.at(control); }

  std::map<Control, std::string> texts;
  std::map<Control, MaskedField> fields;
  std::map<Control, Colour> colours;
  std::map<Control, bool> visible;
  Colour brush = Colour::ButtonFace;
  std::vector<Colour> paints;
  std::vector<std::string> log;
  std::vector<ChartPoint> series;
  int seriesClears = 0;
  // Every operation in order, as "SetText Label10 Устройство активно".
  std::vector<std::string> calls;
};

}  // namespace np72::testing
