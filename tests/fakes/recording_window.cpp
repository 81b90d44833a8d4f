#include "recording_window.h"

#include "window/control_table.h"

namespace np72::testing {

namespace {
const char* ColourName(Colour colour) {
  switch (colour) {
    case Colour::Red: return "Red";
    case Colour::Green: return "Green";
    case Colour::ButtonFace: return "ButtonFace";
  }
  return "?";
}
}  // namespace

RecordingWindow::RecordingWindow() {
  // The start state of the form's definition.
  for (const ControlRow& row : ControlTable()) {
    visible[row.id] = row.visibleAtStart;
    if (row.kind == ControlKind::MaskedField) {
      fields[row.id].Place(row.text);
    } else if (row.kind != ControlKind::Memo) {
      texts[row.id] = row.text;
    }
  }
}

void RecordingWindow::SetText(Control control, std::string_view text) {
  texts[control] = std::string(text);
  calls.push_back(std::string("SetText ") + ControlName(control) + " " + std::string(text));
}

void RecordingWindow::SetMaskText(Control control, std::string_view text) {
  fields.at(control).Place(text);
  calls.push_back(std::string("SetMaskText ") + ControlName(control) + " " + std::string(text));
}

std::string RecordingWindow::MaskText(Control control) const {
  return fields.at(control).ReadBack();
}

void RecordingWindow::Clear(Control control) {
  if (auto field = fields.find(control); field != fields.end()) {
    field->second.Clear();
  } else {
    texts[control].clear();
  }
  calls.push_back(std::string("Clear ") + ControlName(control));
}

void RecordingWindow::SetColour(Control control, Colour colour) {
  colours[control] = colour;
  calls.push_back(std::string("SetColour ") + ControlName(control) + " " + ColourName(colour));
}

void RecordingWindow::SetVisible(Control control, bool shown) {
  visible[control] = shown;
  calls.push_back(std::string(shown ? "Show " : "Hide ") + ControlName(control));
}

void RecordingWindow::PaintImage(Control control, Colour colour) {
  brush = colour;
  paints.push_back(colour);
  calls.push_back(std::string("PaintImage ") + ControlName(control) + " " + ColourName(colour));
}

Colour RecordingWindow::ImageBrush(Control) const {
  return brush;
}

void RecordingWindow::AppendLine(Control, std::string_view line) {
  log.emplace_back(line);
  calls.push_back("AppendLine " + std::string(line));
}

void RecordingWindow::ClearLines(Control) {
  log.clear();
  calls.push_back("ClearLines");
}

void RecordingWindow::ClearSeries(Control) {
  series.clear();
  ++seriesClears;
  calls.push_back("ClearSeries");
}

void RecordingWindow::AddPoint(Control, int x, int y, Colour colour) {
  series.push_back({x, y, colour});
}

}  // namespace np72::testing
