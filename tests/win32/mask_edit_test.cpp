// The "9999" masked field as the operator and the tool edit it, through window messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win32/control_ops.h"
#include "win32/main_window.h"
#include "window_text.h"
#include "win32/text.h"

namespace np72::win32 {
namespace {

// One step of editing: a text placed by WM_SETTEXT, typed characters, or a key.
struct Step {
  enum { Place, Type, Key } what;
  std::wstring text;
  WPARAM key = 0;
};

Step Place(const wchar_t* text) { return {Step::Place, text}; }
Step Type(const wchar_t* text) { return {Step::Type, text}; }
Step Key(WPARAM key) { return {Step::Key, L"", key}; }

struct Case {
  const char* name;
  std::vector<Step> steps;
  const char* readBack;
};

class MaskEditTest : public testing::TestWithParam<Case> {
 protected:
  MainWindow window;
  ControlOps ops{window};
};

TEST_P(MaskEditTest, ReadsBackWithASpaceInEachEmptyPosition) {
  HWND field = window.Of(Control::MaskEdit4);
  for (const Step& step : GetParam().steps) {
    switch (step.what) {
      case Step::Place: SendMessageW(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.text.c_str())); break;
      case Step::Type:
        for (wchar_t c : step.text) SendMessageW(field, WM_CHAR, c, 0);
        break;
      case Step::Key: SendMessageW(field, WM_KEYDOWN, step.key, 0); break;
    }
  }
  EXPECT_EQ(TextOf(field), GetParam().readBack);
  EXPECT_EQ(ops.MaskText(Control::MaskEdit4), GetParam().readBack);
}

INSTANTIATE_TEST_SUITE_P(
    Editing, MaskEditTest,
    testing::Values(Case{"StartsWithItsTableText", {}, "2000"},
                    Case{"PlacingCutsAfterTheFourth", {Place(L"12345")}, "1234"},
                    Case{"PlacingAShortTextLeavesTheRestEmpty", {Place(L"7")}, "7   "},
                    Case{"PlacingKeepsAMinusSign", {Place(L"-5")}, "-5  "},
                    Case{"TypingOverwritesFromTheCaret", {Type(L"15")}, "1500"},
                    Case{"TypingStopsAtTheFourthPosition", {Place(L""), Type(L"987654")}, "9876"},
                    Case{"OnlyDigitsAreTaken", {Place(L""), Type(L"4a-,5 ")}, "45  "},
                    Case{"BackspaceEmptiesThePositionBeforeTheCaret", {Key(VK_END), Type(L"\b")}, "200 "},
                    Case{"DeleteEmptiesThePositionAtTheCaret", {Key(VK_RIGHT), Key(VK_DELETE)}, "2 00"},
                    Case{"HomeAndArrowsMoveTheCaret", {Key(VK_END), Key(VK_LEFT), Key(VK_LEFT), Type(L"7"), Key(VK_HOME), Type(L"3")}, "3070"},
                    Case{"ADeletedDigitCanBeTypedAgain", {Key(VK_DELETE), Type(L"9")}, "9000"}),
    [](const testing::TestParamInfo<Case>& param) { return std::string(param.param.name); });

TEST(MaskEditClearTest, ClearingEmptiesAllFourPositions) {
  MainWindow window;
  ControlOps ops{window};
  ops.Clear(Control::MaskEdit2);
  EXPECT_EQ(ops.MaskText(Control::MaskEdit2), "    ");
  ops.SetMaskText(Control::MaskEdit2, "100");
  EXPECT_EQ(TextOf(window.Of(Control::MaskEdit2)), "100 ");
}

}  // namespace
}  // namespace np72::win32
