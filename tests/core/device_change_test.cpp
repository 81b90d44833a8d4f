// The sensor's port opens when it is plugged in and closes when it goes.
#include <gtest/gtest.h>

#include "form_fixture.h"

namespace np72::testing {
namespace {

using Lines = std::vector<std::string>;

class DeviceChangeTest : public FormTest {
 protected:
  void SetUp() override {
    form.FormCreate();
    Forget();
  }
  Lines& log() { return fakes.window.log; }
};

TEST_F(DeviceChangeTest, ArrivalOpensTheSensorsPort) {
  PlugIn();
  EXPECT_EQ(log(), (Lines{"0---7", "7---32768", "Подкл.", "NP72:  COM5"}));
  EXPECT_EQ(fakes.serial.opened, (Lines{"COM5"}));
  EXPECT_TRUE(form.ComPort1.Connected());
  EXPECT_EQ(fakes.window.texts[Control::Label10], "Устройство активно");
  EXPECT_EQ(fakes.serial.written, (std::vector<Bytes>{{0x5D, 0x06, 0, 0, 0, 0, 0, 0x5B}}));
  EXPECT_TRUE(form.Timer1.Enabled());
  EXPECT_EQ(fakes.ticks.interval, 500);
}

TEST_F(DeviceChangeTest, TheArrivalOpensInThisOrder) {
  PlugIn();
  const auto& calls = fakes.window.calls;
  const auto at = [&](const std::string& call) { return std::find(calls.begin(), calls.end(), call) - calls.begin(); };
  EXPECT_LT(at("AppendLine NP72:  COM5"), at("SetText Label10 Устройство активно"));
  EXPECT_LT(at("SetText Label10 Устройство активно"), at("Clear MaskEdit4"));
}

TEST_F(DeviceChangeTest, EventsThatAreNoArrivalOfTheSensorOpenNothing) {
  struct Case {
    const char* what;
    std::vector<DeviceChange> events;
    Lines log;
  };
  const Case cases[] = {
      {"arrival without nodes changed", {{kDeviceArrival, kSensorInterface}}, {"0---32768"}},
      {"another device",
       {{kDevNodesChanged, {}}, {kDeviceArrival, kFlashDriveInterface}},
       {"0---7", "7---32768", "Подкл."}},
      {"marker in lower case",
       {{kDevNodesChanged, {}}, {kDeviceArrival, "\\\\?\\USB#VID_0483&PID_5740#np72000123#{x}"}},
       {"0---7", "7---32768", "Подкл."}},
      {"a port record", {{kDevNodesChanged, {}}, {kDeviceArrival, {}}}, {"0---7", "7---32768", "Подкл."}},
  };
  for (const Case& c : cases) {
    FakePlatform fresh;
    fresh.lookup.ports[kSensorInterface] = "COM5";
    TForm1 other(fresh.Get());
    for (const DeviceChange& event : c.events) other.WMDeviceChange(event);
    EXPECT_EQ(fresh.window.log, c.log) << c.what;
    EXPECT_TRUE(fresh.serial.opened.empty()) << c.what;
  }
}

TEST_F(DeviceChangeTest, NoUsablePortNameOpensNothing) {
  for (const char* port : {"", "COM"}) {
    fakes.lookup.ports[kSensorInterface] = port;
    PlugIn();
    EXPECT_TRUE(fakes.serial.opened.empty()) << port;
    EXPECT_EQ(log().back(), "Подкл.") << port;
  }
}

TEST_F(DeviceChangeTest, CodesAreTheLow16BitsUnsigned) {
  form.WMDeviceChange({0x12340007u, {}});
  form.WMDeviceChange({0xFFFF8004u, {}});
  EXPECT_EQ(log(), (Lines{"0---7", "7---32772"}));
}

TEST_F(DeviceChangeTest, ASecondArrivalWhileConnectedOnlyLogs) {
  PlugIn();
  Forget();
  PlugIn(kSensorPortInterface);
  EXPECT_EQ(log(), (Lines{"32768---7", "7---32768", "Подкл."}));
  EXPECT_EQ(fakes.serial.opened.size(), 1u);
  EXPECT_TRUE(fakes.serial.written.empty());
}

TEST_F(DeviceChangeTest, AFriendlyNameOfTheWrongTypeEscapesTheHandler) {
  fakes.lookup.wrongType = true;
  form.WMDeviceChange({kDevNodesChanged, {}});
  EXPECT_THROW(form.WMDeviceChange({kDeviceArrival, kSensorInterface}), std::runtime_error);
  EXPECT_EQ(log(), (Lines{"0---7", "7---32768", "Подкл."}));
  EXPECT_FALSE(form.ComPort1.Connected());
}

// A port that could not be opened is reported, not shown as active.
TEST_F(DeviceChangeTest, APortThatCannotBeOpenedIsReported) {
  fakes.serial.openSucceeds = false;
  PlugIn();
  EXPECT_EQ(log(), (Lines{"0---7", "7---32768", "Подкл.", "NP72:  COM5", "Ошибка открытия порта COM5"}));
  EXPECT_EQ(fakes.window.texts[Control::Label10], "Ошибка открытия порта COM5");
  EXPECT_EQ(fakes.window.brush, Colour::Red);
  EXPECT_FALSE(fakes.window.visible[Control::Panel2]);
  EXPECT_FALSE(form.ComPort1.Connected());
  EXPECT_TRUE(fakes.serial.written.empty());
  EXPECT_FALSE(form.Timer1.Enabled());

  fakes.serial.openSucceeds = true;  // the next arrival tries again
  PlugIn();
  EXPECT_TRUE(form.ComPort1.Connected());
  EXPECT_EQ(fakes.window.texts[Control::Label10], "Устройство активно");
}

TEST_F(DeviceChangeTest, TheSensorsRemovalClosesThePort) {
  PlugIn();
  Forget();
  Remove(kSensorPortInterface);  // the COM-port interface of the same device instance
  EXPECT_EQ(log(), (Lines{"32768---7", "7---32772", "Откл."}));
  EXPECT_FALSE(form.ComPort1.Connected());
  EXPECT_FALSE(form.Timer1.Enabled());
  EXPECT_EQ(fakes.window.texts[Control::Label10], "Устройство не определено");
  EXPECT_FALSE(fakes.window.visible[Control::Panel2]);
  EXPECT_EQ(fakes.window.brush, Colour::Red);

  Forget();
  Remove();  // the other interface of the gone sensor
  EXPECT_EQ(log(), (Lines{"32772---7", "7---32772"}));
  EXPECT_EQ(fakes.serial.closes, 1);
}

TEST_F(DeviceChangeTest, DeviceInstancesCompareWithoutCase) {
  PlugIn();
  Remove("\\\\?\\usb#Vid_0483&Pid_5740#np72000123#{a5dcbf10-6530-11d2-901f-00c04fb951ed}");
  EXPECT_FALSE(form.ComPort1.Connected());
}

// A flash drive plugged in and out beside a working sensor changes nothing.
TEST_F(DeviceChangeTest, OtherDevicesNeverCloseThePort) {
  PlugIn();
  for (int i = 0; i < 4; ++i) form.WMDeviceChange({kDevNodesChanged, {}});
  PlugIn(kFlashDriveInterface);
  form.WMDeviceChange({kDevNodesChanged, {}});
  Remove(kFlashDriveInterface);
  form.WMDeviceChange({kDeviceRemoveComplete, {}});
  Remove("\\\\?\\USB#VID_0483&PID_5740#NP72000999#{a5dcbf10-6530-11d2-901f-00c04fb951ed}");
  EXPECT_TRUE(form.ComPort1.Connected());
  EXPECT_TRUE(form.Timer1.Enabled());
  EXPECT_EQ(fakes.serial.closes, 0);
}

TEST_F(DeviceChangeTest, APortThatReportsItsDeviceGoneCloses) {
  PlugIn();
  Forget();
  fakes.serial.events->DeviceGone();
  EXPECT_EQ(log(), (Lines{"Откл."}));
  EXPECT_FALSE(form.ComPort1.Connected());
  EXPECT_FALSE(form.Timer1.Enabled());
  fakes.serial.events->DeviceGone();  // the rest of an error storm
  EXPECT_EQ(fakes.serial.closes, 1);
  Remove();  // the host's removal comes after
  EXPECT_EQ(fakes.serial.closes, 1);
}

TEST_F(DeviceChangeTest, AFailingCloseIsLogged) {
  PlugIn();
  fakes.serial.onClose = [] { throw std::runtime_error("device busy"); };
  Forget();
  Remove();
  EXPECT_EQ(log(), (Lines{"32768---7", "7---32772", "Откл.", "try."}));
  EXPECT_FALSE(form.Timer1.Enabled());
}

TEST_F(DeviceChangeTest, AReceiveEventHandedOverBeforeCloseStillRuns) {
  PlugIn();
  Bytes frame{0x5D, 0x02, 0x7B, 0x00, 0x2D, 0x01, 0x02, 0x0A};
  fakes.serial.onClose = [&] { fakes.serial.Arrive(frame); };
  Remove();
  // The reading shows, and the history reset of the close comes after it.
  EXPECT_EQ(fakes.window.texts[Control::Edit13], "12 мв");
  EXPECT_TRUE(fakes.window.series.empty());
  fakes.serial.onClose = nullptr;
  fakes.window.texts[Control::Label11].clear();
  fakes.serial.events->Received(8);  // nothing reaches the form once closed
  EXPECT_EQ(fakes.window.texts[Control::Label11], "");
}

}  // namespace
}  // namespace np72::testing
