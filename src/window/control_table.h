// The main window and every control in it, as data both front-ends build from.
#pragma once

#include <span>

#include "platform/control.h"

namespace np72 {

enum class ControlKind { Window, Panel, GroupBox, Label, ReadOnlyEdit, MaskedField, Button, Memo, Image, Chart };
enum class Bevel { None, Raised, Lowered };

struct Font {
  const char* family;
  int pixelHeight;  // character height at 96 dpi
  int points;
};

inline constexpr Font kWindowFont{"Tahoma", 13, 10};
inline constexpr Font kPressureFont{"Tahoma", 19, 14};
inline constexpr Font kSmallFont{"Tahoma", 11, 8};

struct ControlRow {
  Control id;
  ControlKind kind;
  Control parent;                // Form1 for the window's direct children
  int left, top, width, height;  // pixels at 96 dpi, within the parent's client area
  const char* text;              // caption or initial text, UTF-8
  Font font;
  int tabOrder;  // -1 for controls that take no focus
  bool visibleAtStart;
  Bevel bevel;
};

struct WindowSetup {
  const char* title;
  int left, top, width, height;  // outer frame
  Font font;
  bool maximizeButton;
};

inline constexpr WindowSetup kMainWindow{"НП72", 646, 177, 926, 615, kWindowFont, false};

struct ChartSetup {
  const char* title;
  Font titleFont;  // black
  int xMin, xMax;
  int yMin, yMax;
  bool legend;
  bool threeDimensional;
  bool pointMarkers;
  bool valueMarks;
};

inline constexpr ChartSetup kChart1{
    "Выходное напряжение сенсора, мв", {"Arial", 13, 10}, 0, 200, -1, 2500, false, false, false, false};

inline constexpr int kTimer1IntervalMs = 500;

// Every control but Form1 and Series1, parents before their children, each
// parent's children from bottom to top.
std::span<const ControlRow> ControlTable();
// The row of a control of the table.
const ControlRow& RowOf(Control control);
// A stable identifier for the control's window (Win32 control IDs).
int ControlId(Control control);

}  // namespace np72
