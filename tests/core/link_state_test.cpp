// The waiting look and the active look.
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace np72::testing {
namespace {

using Calls = std::vector<std::string>;

class LinkStateTest : public FormTest {};

TEST_F(LinkStateTest, OpeningShowsTheActiveLookAndEmptiesTheFields) {
  form.FormCreate();
  fakes.window.texts[Control::Edit2] = "1,00";
  fakes.window.brush = Colour::ButtonFace;  // left so by the blinking of a previous link
  PlugIn();
  const Calls& calls = fakes.window.calls;
  const Calls expected{"SetText Label10 Устройство активно",
                       "Show Panel2",
                       "Show GroupBox4",
                       "PaintImage Image1 Green",
                       "Clear Edit2",
                       "Clear Edit11",
                       "Clear Edit12",
                       "Clear Edit13",
                       "Clear MaskEdit1",
                       "Clear MaskEdit2",
                       "Clear MaskEdit3",
                       "Clear MaskEdit4"};
  const auto first = std::find(calls.begin(), calls.end(), expected.front());
  ASSERT_NE(first, calls.end());
  EXPECT_EQ(Calls(first, first + static_cast<long>(expected.size())), expected);
  EXPECT_EQ(fakes.window.MaskText(Control::MaskEdit2), "    ");
  EXPECT_EQ(fakes.window.texts[Control::Edit2], "");
}

TEST_F(LinkStateTest, ClosingShowsTheWaitingLookAndKeepsTheFields) {
  Connect();
  form.ShowSettings(100, 200, 1, 2, 3, 4);
  form.ShowCurrentData(100, 0, 0);
  Forget();
  form.FormClose();
  EXPECT_EQ(fakes.window.calls, (Calls{"SetText Label10 Устройство не определено", "Hide Panel2", "Hide GroupBox4",
                                       "PaintImage Image1 Red", "ClearSeries"}));
  EXPECT_EQ(fakes.window.MaskText(Control::MaskEdit4), "1   ");
  EXPECT_EQ(form.Session().History.writePosition, 1);
}

TEST_F(LinkStateTest, ClosingAPortThatIsNotConnectedChangesNothing) {
  form.FormCreate();
  Forget();
  form.FormClose();
  EXPECT_TRUE(fakes.window.calls.empty());
  EXPECT_EQ(fakes.serial.closes, 0);
}

TEST_F(LinkStateTest, AReconnectionStartsAnEmptyChart) {
  Connect();
  form.ShowCurrentData(100, 0, 0);
  Remove();
  PlugIn();
  EXPECT_TRUE(fakes.window.series.empty());
  form.ShowCurrentData(200, 0, 0);
  EXPECT_EQ(fakes.window.series[198].y, 0);
  EXPECT_EQ(fakes.window.series[199].y, 20);
}

}  // namespace
}  // namespace np72::testing
