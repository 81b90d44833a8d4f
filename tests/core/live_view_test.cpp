// Voltage, pressure, status flags and the chart of a current-data reading.
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace np72::testing {
namespace {

class LiveViewTest : public FormTest {
 protected:
  std::string& Text(Control control) { return fakes.window.texts[control]; }
};

TEST_F(LiveViewTest, VoltageIsShownInWholeMillivolts) {
  const std::pair<std::int16_t, const char*> cases[] = {{12345, "1234 мв"}, {-15, "-1 мв"},     {15, "1 мв"},
                                                        {-9, "0 мв"},       {32767, "3276 мв"}, {-32768, "-3276 мв"}};
  for (const auto& [tenths, text] : cases) {
    form.ShowCurrentData(tenths, 0, 0);
    EXPECT_EQ(Text(Control::Edit13), text) << tenths;
  }
}

TEST_F(LiveViewTest, PressureWithTheUsersDecimalSeparator) {
  const std::tuple<std::int16_t, const char*, const char*> cases[] = {
      {12345, "123,45", "123.45"}, {5, "0,05", "0.05"},         {-5, "-0,05", "-0.05"},
      {0, "0,00", "0.00"},         {32767, "327,67", "327.67"}, {-32768, "-327,68", "-327.68"},
      {-100, "-1,00", "-1.00"},
  };
  for (const auto& [hundredths, comma, point] : cases) {
    fakes.locale.separator = ",";
    form.ShowCurrentData(0, hundredths, 0);
    EXPECT_EQ(Text(Control::Edit2), comma);
    fakes.locale.separator = ".";
    form.ShowCurrentData(0, hundredths, 0);
    EXPECT_EQ(Text(Control::Edit2), point);
  }
}

TEST_F(LiveViewTest, StatusFlags) {
  const Control panels[] = {Control::FlagNastroiki, Control::FlagPorog1, Control::FlagPorog2, Control::FlagPorog3,
                            Control::Panel4};
  const char* set[] = {"Ошибка настройки", "Превышение порога 1", "Превышение порога 2", "Превышение порога 3",
                       "Сбой ПО"};
  const char* clear[] = {"Настройки в норме", "Нет превышения порога 1", "Нет превышения порога 2",
                         "Нет превышения порога 3", "Проверка ПО выполнена"};
  const std::uint8_t masks[] = {0x01, 0x02, 0x04, 0x08, 0x80};
  for (const std::uint8_t flags : {0x00, 0x70, 0xFF, 0x81, 0x02, 0x0C}) {
    form.RezervToBit(flags);
    for (int i = 0; i < 5; ++i) {
      const bool on = (flags & masks[i]) != 0;
      EXPECT_EQ(fakes.window.colours[panels[i]], on ? Colour::Red : Colour::ButtonFace) << int{flags} << " " << i;
      EXPECT_EQ(Text(panels[i]), on ? set[i] : clear[i]) << int{flags} << " " << i;
    }
  }
}

TEST_F(LiveViewTest, EachPanelGetsItsColourBeforeItsText) {
  form.RezervToBit(0x01);
  EXPECT_EQ(fakes.window.calls[0], "SetColour FlagNastroiki Red");
  EXPECT_EQ(fakes.window.calls[1], "SetText FlagNastroiki Ошибка настройки");
  EXPECT_EQ(fakes.window.calls[9], "SetText Panel4 Проверка ПО выполнена");
}

TEST_F(LiveViewTest, TheChartShowsTheLast200ReadingsNewestAtTheRight) {
  form.ShowCurrentData(123, 0, 0);
  ASSERT_EQ(fakes.window.series.size(), 200u);
  EXPECT_EQ(fakes.window.series.front(), (ChartPoint{1, 0, Colour::Red}));
  EXPECT_EQ(fakes.window.series[198].y, 0);
  EXPECT_EQ(fakes.window.series.back(), (ChartPoint{200, 12, Colour::Red}));

  for (int reading = 2; reading <= 201; ++reading) form.ShowCurrentData(static_cast<std::int16_t>(reading * 10), 0, 0);
  ASSERT_EQ(fakes.window.series.size(), 200u);
  for (int x = 1; x <= 200; ++x) {
    ASSERT_EQ(fakes.window.series[x - 1].x, x);
    ASSERT_EQ(fakes.window.series[x - 1].y, x + 1) << x;  // readings 2 to 201
  }
  EXPECT_EQ(form.Session().History.readings[1], 201);
}

TEST_F(LiveViewTest, ReadingsOutsideTheAxesAreKept) {
  form.ShowCurrentData(30000, 0, 0);
  form.ShowCurrentData(-500, 0, 0);
  EXPECT_EQ(fakes.window.series[198].y, 3000);
  EXPECT_EQ(fakes.window.series[199].y, -50);
}

TEST_F(LiveViewTest, ResetEmptiesTheChartAndTheHistory) {
  form.ShowCurrentData(1000, 0, 0);
  form.ResetHistory();
  EXPECT_TRUE(fakes.window.series.empty());
  form.ShowCurrentData(2000, 0, 0);
  EXPECT_EQ(fakes.window.series[198].y, 0);
  EXPECT_EQ(fakes.window.series[199].y, 200);
}

}  // namespace
}  // namespace np72::testing
