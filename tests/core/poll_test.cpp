// The poll timer and the blinking indicator.
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace np72::testing {
namespace {

const Bytes kPoll{0x5D, 0x02, 0, 0, 0, 0, 0, 0x5F};

class PollTest : public FormTest {
 protected:
  void SetUp() override { Connect(); }
};

TEST_F(PollTest, EveryTickPollsCountsAndBlinks) {
  form.Timer1Timer();
  form.Timer1Timer();
  form.Timer1Timer();
  EXPECT_EQ(fakes.serial.written, (std::vector<Bytes>{kPoll, kPoll, kPoll}));
  EXPECT_EQ(fakes.window.texts[Control::Label9], "3");
  EXPECT_EQ(fakes.window.paints, (std::vector<Colour>{Colour::ButtonFace, Colour::Green, Colour::ButtonFace}));
}

TEST_F(PollTest, AVersionRequestSkipsOnePoll) {
  form.Button3Click();
  fakes.serial.written.clear();
  form.Timer1Timer();
  EXPECT_TRUE(fakes.serial.written.empty());
  EXPECT_FALSE(form.Session().SkipNextPoll);
  EXPECT_EQ(fakes.window.texts[Control::Label9], "1");
  form.Timer1Timer();
  EXPECT_EQ(fakes.serial.written, (std::vector<Bytes>{kPoll}));
}

TEST_F(PollTest, TheTickCountWraps) {
  for (int i = 0; i < 32767; ++i) form.Timer1Timer();
  EXPECT_EQ(fakes.window.texts[Control::Label9], "32767");
  form.Timer1Timer();
  EXPECT_EQ(fakes.window.texts[Control::Label9], "-32768");
}

TEST_F(PollTest, AnyColourButGreenBlinksToGreen) {
  for (Colour colour : {Colour::Red, Colour::ButtonFace}) {
    fakes.window.brush = colour;
    form.Timer1Timer();
    EXPECT_EQ(fakes.window.brush, Colour::Green);
  }
}

TEST_F(PollTest, TimerButtonCaptionNamesTheStateItSet) {
  form.FormClose();
  EXPECT_FALSE(form.Timer1.Enabled());
  form.Button8Click();
  EXPECT_TRUE(form.Timer1.Enabled());
  EXPECT_EQ(fakes.window.texts[Control::Button8], "Timer ON");
  form.Button8Click();
  EXPECT_FALSE(form.Timer1.Enabled());
  EXPECT_EQ(fakes.window.texts[Control::Button8], "Timer OFF");
}

TEST_F(PollTest, EnablingAgainDoesNotRestartThePeriod) {
  const int starts = fakes.ticks.starts;
  PlugIn(kSensorPortInterface);  // an arrival while connected
  form.Button8Click();           // off
  form.Button8Click();           // on
  EXPECT_EQ(fakes.ticks.starts, starts + 1);
  EXPECT_EQ(fakes.ticks.stops, 1);
}

}  // namespace
}  // namespace np72::testing
