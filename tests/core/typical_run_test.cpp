// A whole run against the simulated sensor: start, plug in, settings, polls,
// every command and its answer, version, removal, close.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <regex>
#include <set>

#include "fake_platform.h"
#include "sim/sensor_model.h"
#include "sim/simulated_port_lookup.h"
#include "sim/simulated_serial_device.h"
#include "window/form1.h"

namespace np72::testing {
namespace {

const std::string kSensor(sim::kSimulatedInterfaceName);

class TypicalRunTest : public ::testing::Test {
 protected:
  // The window thread's queue: what the port posts runs when the test pumps.
  void Pump() {
    while (!queue.empty()) {
      auto next = std::move(queue.front());
      queue.pop_front();
      next();
    }
  }
  void Tick() {
    form.Timer1Timer();
    Pump();
  }
  void Click(Control button) {
    form.Click(button);
    Pump();
  }
  const Bytes& LastCommand() { return model.ReceivedCommands().back(); }
  std::string& Text(Control control) { return fakes.window.texts[control]; }
  std::string Mask(Control control) { return fakes.window.MaskText(control); }

  std::deque<std::function<void()>> queue;
  FakePlatform fakes;
  sim::SensorModel model;
  sim::SimulatedSerialDevice device{model, std::string(sim::kSimulatedPortName),
                                    [this](std::function<void()> action) { queue.push_back(std::move(action)); }};
  sim::SimulatedPortLookup lookup;
  TForm1 form{Platform{fakes.window, device, fakes.ticks, lookup, fakes.locale, fakes.guard, fakes.notifications,
                       fakes.dialogs, fakes.application}};
};

TEST_F(TypicalRunTest, FromStartToClose) {
  form.FormCreate();
  EXPECT_EQ(fakes.window.brush, Colour::Red);
  EXPECT_EQ(Text(Control::Label10), "Устройство не определено");
  EXPECT_FALSE(fakes.window.visible[Control::Panel2]);

  // Plugged in: found, opened, settings asked for and shown, polling started.
  form.WMDeviceChange({kDevNodesChanged, {}});
  form.WMDeviceChange({kDeviceArrival, kSensor});
  EXPECT_EQ(fakes.window.log, (std::vector<std::string>{"0---7", "7---32768", "Подкл.", "NP72:  COM7"}));
  EXPECT_EQ(Text(Control::Label10), "Устройство активно");
  EXPECT_TRUE(fakes.window.visible[Control::Panel2]);
  EXPECT_TRUE(fakes.window.visible[Control::GroupBox4]);
  EXPECT_EQ(Mask(Control::MaskEdit4), "    ");
  Pump();
  EXPECT_EQ(Text(Control::Edit12), "456");
  EXPECT_EQ(Text(Control::Edit11), "1234");
  EXPECT_EQ(Mask(Control::MaskEdit4), "2000");
  EXPECT_EQ(Mask(Control::MaskEdit3), "0   ");
  EXPECT_EQ(Mask(Control::MaskEdit2), "100 ");
  EXPECT_EQ(Mask(Control::MaskEdit1), "2000");
  EXPECT_TRUE(fakes.ticks.running);

  // Polls: pressure, voltage, flags and the chart, the indicator blinking.
  model.HoldPressure(1500);
  Tick();
  EXPECT_EQ(LastCommand(), (Bytes{0x5D, 0x02, 0, 0, 0, 0, 0, 0x5F}));
  EXPECT_EQ(Text(Control::Edit2), "15,00");
  EXPECT_TRUE(std::regex_match(Text(Control::Edit13), std::regex("-?[0-9]+ мв"))) << Text(Control::Edit13);
  EXPECT_EQ(Text(Control::FlagPorog1), "Превышение порога 1");
  EXPECT_EQ(Text(Control::FlagPorog2), "Превышение порога 2");
  EXPECT_EQ(Text(Control::FlagPorog3), "Нет превышения порога 3");
  EXPECT_EQ(Text(Control::FlagNastroiki), "Настройки в норме");
  EXPECT_EQ(Text(Control::Panel4), "Проверка ПО выполнена");
  EXPECT_EQ(fakes.window.series.size(), 200u);
  EXPECT_EQ(fakes.window.brush, Colour::ButtonFace);
  model.ReleasePressure();
  std::set<std::string> voltages;
  for (int i = 0; i < 20; ++i) {
    Tick();
    voltages.insert(Text(Control::Edit13));
  }
  EXPECT_GT(voltages.size(), 1u);  // the reading moves
  EXPECT_EQ(Text(Control::Label9), "21");

  // Every command: its frame on the wire and its answer in the window.
  fakes.window.Field(Control::MaskEdit4).Place("1800");
  fakes.window.Field(Control::MaskEdit3).Place("10");
  fakes.window.Field(Control::MaskEdit2).Place("500");
  fakes.window.Field(Control::MaskEdit1).Place("1900");
  Click(Control::Button6);
  Bytes write{0x5D, 1, 0, 0, 0, 0, 0x08, 0x07, 10, 0, 0xF4, 0x01, 0x6C, 0x07, 0, 0, 0, 0};
  Seal(write);
  EXPECT_EQ(LastCommand(), write);
  EXPECT_EQ(model.StoredSettings().pressureSetting, 1800);
  EXPECT_EQ(model.StoredSettings().threshold3, 1900);
  fakes.window.Field(Control::MaskEdit4).Clear();
  Click(Control::Button9);
  EXPECT_EQ(LastCommand(), (Bytes{0x5D, 0x06, 0, 0, 0, 0, 0, 0x5B}));
  EXPECT_EQ(Mask(Control::MaskEdit4), "1800");
  EXPECT_EQ(Mask(Control::MaskEdit2), "500 ");

  Click(Control::Button2);
  EXPECT_EQ(LastCommand(), (Bytes{0x5D, 1, 0, 0, 0, 0, 0xD0, 7, 0, 0, 0x64, 0, 0xD0, 7, 0, 0, 0, 0x38}));
  EXPECT_EQ(Mask(Control::MaskEdit2), "100 ");

  for (const auto& [button, code] : {std::pair{Control::Button7, 3}, {Control::Button5, 4}, {Control::Button4, 5}}) {
    Text(Control::Edit12).clear();
    Click(button);
    EXPECT_EQ(LastCommand(),
              (Bytes{0x5D, static_cast<std::uint8_t>(code), 0, 0, 0, 0, 0, static_cast<std::uint8_t>(0x5D ^ code)}));
    EXPECT_FALSE(Text(Control::Edit12).empty()) << ControlName(button);
  }

  Click(Control::Button1);
  EXPECT_EQ(LastCommand(), (Bytes{0x5D, 0x08, 0, 0, 0, 0, 0, 0x55}));
  EXPECT_EQ(fakes.window.log.back(), "короткий подстр.0");

  // The version request skips one poll.
  Click(Control::Button3);
  EXPECT_EQ(LastCommand(), (Bytes{0x5D, 0x07, 0, 0, 0, 0, 0, 0x5A}));
  EXPECT_EQ(Text(Control::Panel3), "Версия ПО: 1.5    CRC32: 0x80000001");
  const std::size_t commands = model.ReceivedCommands().size();
  Tick();
  EXPECT_EQ(model.ReceivedCommands().size(), commands);
  Tick();
  EXPECT_EQ(model.ReceivedCommands().size(), commands + 1);

  // Pulled out: the waiting look and an empty chart.
  device.Unplug();
  form.WMDeviceChange({kDevNodesChanged, {}});
  form.WMDeviceChange({kDeviceRemoveComplete, kSensor});
  Pump();
  EXPECT_EQ(Text(Control::Label10), "Устройство не определено");
  EXPECT_FALSE(fakes.window.visible[Control::Panel2]);
  EXPECT_FALSE(fakes.window.visible[Control::GroupBox4]);
  EXPECT_EQ(fakes.window.brush, Colour::Red);
  EXPECT_TRUE(fakes.window.series.empty());
  EXPECT_FALSE(fakes.ticks.running);
  EXPECT_FALSE(device.IsOpen());
  EXPECT_EQ(std::count(fakes.window.log.begin(), fakes.window.log.end(), "Откл."), 1);

  form.FormClose();
  EXPECT_FALSE(fakes.ticks.running);
}

TEST_F(TypicalRunTest, ASensorThatIsPulledOutWithoutARemovalEventClosesTheLink) {
  form.FormCreate();
  form.WMDeviceChange({kDevNodesChanged, {}});
  form.WMDeviceChange({kDeviceArrival, kSensor});
  Pump();
  device.Unplug();
  Pump();
  EXPECT_FALSE(form.ComPort1.Connected());
  EXPECT_EQ(Text(Control::Label10), "Устройство не определено");
  EXPECT_EQ(fakes.window.log.back(), "Откл.");
}

TEST_F(TypicalRunTest, ASensorThatMisbehavesIsHeardAgainOnceItRecovers) {
  form.FormCreate();
  form.WMDeviceChange({kDevNodesChanged, {}});
  form.WMDeviceChange({kDeviceArrival, kSensor});
  Pump();
  model.HoldPressure(4321);
  for (const sim::Fault fault :
       {sim::Fault::Garbage, sim::Fault::Split, sim::Fault::Coalesce, sim::Fault::BadChecksum, sim::Fault::Silent}) {
    model.SetFault(fault);
    for (int i = 0; i < 10; ++i) Tick();
    model.SetFault(sim::Fault::None);
    Text(Control::Edit2).clear();
    Tick();
    Tick();
    EXPECT_EQ(Text(Control::Edit2), "43,21");
    EXPECT_LE(form.Session().Receiver.Held(), FrameReader::kMaxHeld);
  }
}

}  // namespace
}  // namespace np72::testing
