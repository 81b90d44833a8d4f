// The main window as built from the control table, read back through Win32.
#include <gtest/gtest.h>

#include "win32/control_ops.h"
#include "win32/main_window.h"
#include "window_text.h"
#include "win32/text.h"
#include "window/control_table.h"

namespace np72::win32 {
namespace {

RECT RectInParent(HWND hwnd) {
  RECT rect;
  GetWindowRect(hwnd, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

class MainWindowTest : public testing::Test {
 protected:
  // The control's window, found the way another program would: by control ID below its parent.
  HWND Find(Control control) const {
    if (control == Control::Form1) return window.Hwnd();
    return GetDlgItem(Find(RowOf(control).parent), ControlId(control));
  }

  MainWindow window;
  ControlOps ops{window};
};

TEST_F(MainWindowTest, FrameHasTitlePositionSizeAndNoMaximiseButton) {
  EXPECT_EQ(TextOf(window.Hwnd()), "НП72");
  RECT rect;
  GetWindowRect(window.Hwnd(), &rect);
  EXPECT_EQ(rect.left, 646);
  EXPECT_EQ(rect.top, 177);
  EXPECT_EQ(rect.right - rect.left, 926);
  EXPECT_EQ(rect.bottom - rect.top, 615);
  const LONG style = GetWindowLongW(window.Hwnd(), GWL_STYLE);
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
  EXPECT_NE(style & WS_SYSMENU, 0);
  EXPECT_NE(style & WS_THICKFRAME, 0);
  EXPECT_EQ(GetClassLongPtrW(window.Hwnd(), GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
}

TEST_F(MainWindowTest, EveryControlHasItsTextPlaceSizeVisibilityAndFont) {
  for (const ControlRow& row : ControlTable()) {
    SCOPED_TRACE(ControlName(row.id));
    HWND control = Find(row.id);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control, window.Of(row.id));
    EXPECT_EQ(TextOf(control), row.text);
    const RECT rect = RectInParent(control);
    EXPECT_EQ(rect.left, row.left);
    EXPECT_EQ(rect.top, row.top);
    EXPECT_EQ(rect.right - rect.left, row.width);
    EXPECT_EQ(rect.bottom - rect.top, row.height);
    EXPECT_EQ((GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0, row.visibleAtStart);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_EQ(Utf8(font.lfFaceName), row.font.family);
    EXPECT_EQ(font.lfHeight, -row.font.pixelHeight);
  }
}

TEST_F(MainWindowTest, ControlsAreOfTheirKind) {
  struct Case {
    Control control;
    const wchar_t* className;
    LONG style;  // bits that must be set
  };
  const Case cases[] = {
      {Control::Panel3, L"TPanel", 0x0001},  // lowered bevel
      {Control::GroupBox1, L"TGroupBox", 0},
      {Control::Label10, L"Static", SS_LEFTNOWORDWRAP},
      {Control::Edit2, L"Edit", ES_READONLY},
      {Control::MaskEdit4, L"TMaskEdit", WS_TABSTOP},
      {Control::Button6, L"Button", WS_TABSTOP},
      {Control::LogMemo, L"Edit", ES_MULTILINE | WS_VSCROLL},
      {Control::Image1, L"TImage", 0},
      {Control::Chart1, L"TChart", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ControlName(c.control));
    wchar_t name[32] = {};
    GetClassNameW(Find(c.control), name, 32);
    EXPECT_EQ(lstrcmpiW(name, c.className), 0) << Utf8(name);
    EXPECT_EQ(GetWindowLongW(Find(c.control), GWL_STYLE) & c.style, c.style);
  }
  EXPECT_EQ(GetWindowLongW(Find(Control::Panel2), GWL_STYLE) & 0x0001, 0);  // raised
}

TEST_F(MainWindowTest, ALabelGrowsToTheRightWithItsTextOnOneLine) {
  HWND label = Find(Control::Label6);
  const RECT before = RectInParent(label);
  ops.SetText(Control::Label6, "5D 01 00 10 00 20 00 4C 5D 01 00 10 00 20 00 4C");
  const RECT after = RectInParent(label);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
  EXPECT_GT(after.right - after.left, 200);
  EXPECT_EQ(TextOf(label), "5D 01 00 10 00 20 00 4C 5D 01 00 10 00 20 00 4C");
}

TEST_F(MainWindowTest, ContainersShowAndHideWithEverythingInThem) {
  ops.SetVisible(Control::Panel2, true);
  window.Show();
  EXPECT_TRUE(IsWindowVisible(Find(Control::Button6)));
  EXPECT_FALSE(IsWindowVisible(Find(Control::Button3)));  // GroupBox4 still hidden
  ops.SetVisible(Control::Panel2, false);
  EXPECT_FALSE(IsWindowVisible(Find(Control::Button6)));
  EXPECT_TRUE(IsWindowVisible(Find(Control::Label10)));
}

TEST_F(MainWindowTest, TheLogTakesLinesAtItsEndAndEmpties) {
  ops.AppendLine(Control::LogMemo, "0---7");
  ops.AppendLine(Control::LogMemo, "Подкл.");
  EXPECT_EQ(TextOf(Find(Control::LogMemo)), "0---7\r\nПодкл.");
  ops.ClearLines(Control::LogMemo);
  EXPECT_EQ(TextOf(Find(Control::LogMemo)), "");
}

TEST_F(MainWindowTest, TextsReachTheirControls) {
  ops.SetText(Control::Panel4, "Программа в норме");
  ops.SetText(Control::Edit13, "1234 мВ");
  ops.Clear(Control::Edit11);
  EXPECT_EQ(TextOf(Find(Control::Panel4)), "Программа в норме");
  EXPECT_EQ(TextOf(Find(Control::Edit13)), "1234 мВ");
  EXPECT_EQ(TextOf(Find(Control::Edit11)), "");
}

TEST_F(MainWindowTest, TheIndicatorKeepsItsBrush) {
  ops.PaintImage(Control::Image1, Colour::Green);
  EXPECT_EQ(ops.ImageBrush(Control::Image1), Colour::Green);
  ops.PaintImage(Control::Image1, Colour::Red);
  EXPECT_EQ(ops.ImageBrush(Control::Image1), Colour::Red);
}

}  // namespace
}  // namespace np72::win32
