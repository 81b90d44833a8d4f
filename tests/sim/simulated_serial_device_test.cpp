#include "sim/simulated_serial_device.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>

#include "link/sensor_names.h"
#include "sim/simulated_port_lookup.h"
#include "sim_test_support.h"

namespace np72::sim::test {
namespace {

struct RecordingEvents final : np72::SerialEvents {
  void Received(int count) override { counts.push_back(count); }
  void DeviceGone() override { ++gone; }
  std::vector<int> counts;
  int gone = 0;
};

class SimulatedDevice : public ::testing::Test {
 protected:
  SimulatedDevice() {
    model_.HoldPressure(1000);
    device_->SetEvents(events_);
  }

  void RunPosted() {
    while (!posted_.empty()) {
      auto closure = std::move(posted_.front());
      posted_.pop_front();
      closure();
    }
  }

  Bytes ReadAll() {
    Bytes bytes(device_->Pending());
    bytes.resize(device_->Read(bytes.data(), bytes.size()));
    return bytes;
  }

  void Write(const Bytes& bytes) { device_->Write(bytes.data(), bytes.size()); }

  SensorModel model_;
  std::deque<std::function<void()>> posted_;
  RecordingEvents events_;
  std::unique_ptr<SimulatedSerialDevice> device_ = std::make_unique<SimulatedSerialDevice>(
      model_, "COM7", [this](std::function<void()> closure) { posted_.push_back(std::move(closure)); });
};

TEST_F(SimulatedDevice, OpensOnlyUnderItsOwnName) {
  EXPECT_FALSE(device_->Open("COM3"));
  EXPECT_FALSE(device_->IsOpen());
  EXPECT_TRUE(device_->Open("COM7"));
  EXPECT_TRUE(device_->IsOpen());
}

TEST_F(SimulatedDevice, AnswerArrivesWhenThePostedNotificationRuns) {
  ASSERT_TRUE(device_->Open("COM7"));
  Write(kPoll);
  EXPECT_TRUE(events_.counts.empty());
  EXPECT_EQ(device_->Pending(), 0u);
  RunPosted();
  EXPECT_EQ(events_.counts, std::vector<int>{8});
  EXPECT_EQ(ReadAll(), kCurrentDataAt1000);
  EXPECT_EQ(model_.ReceivedCommands(), std::vector<Bytes>{kPoll});
}

TEST_F(SimulatedDevice, CountIsTheTotalPendingAndReadTakesInOrder) {
  ASSERT_TRUE(device_->Open("COM7"));
  model_.SetFault(Fault::Split);
  Write(kPoll);
  Write(ShortCommand(CmdReadSettings));
  RunPosted();
  // One event per piece, each with everything pending so far.
  ASSERT_GE(events_.counts.size(), 4u);
  for (std::size_t i = 1; i < events_.counts.size(); ++i) {
    EXPECT_GT(events_.counts[i], events_.counts[i - 1]);
  }
  EXPECT_EQ(events_.counts.back(), int(kShortFrameSize + kLongFrameSize));
  std::uint8_t first[3];
  ASSERT_EQ(device_->Read(first, 3), 3u);
  EXPECT_EQ(Bytes(first, first + 3), Bytes(kCurrentDataAt1000.begin(), kCurrentDataAt1000.begin() + 3));
  EXPECT_EQ(device_->Pending(), kShortFrameSize + kLongFrameSize - 3);
}

TEST_F(SimulatedDevice, NothingPostedBeforeCloseArrivesAfterIt) {
  ASSERT_TRUE(device_->Open("COM7"));
  Write(kPoll);
  device_->Close();
  ASSERT_TRUE(device_->Open("COM7"));
  RunPosted();
  EXPECT_TRUE(events_.counts.empty());
  EXPECT_EQ(device_->Pending(), 0u);
  Write(kPoll);
  RunPosted();
  EXPECT_EQ(events_.counts, std::vector<int>{8});
}

TEST_F(SimulatedDevice, CloseDiscardsWhatIsPending) {
  ASSERT_TRUE(device_->Open("COM7"));
  Write(kPoll);
  RunPosted();
  device_->Close();
  ASSERT_TRUE(device_->Open("COM7"));
  EXPECT_EQ(device_->Pending(), 0u);
}

TEST_F(SimulatedDevice, NotificationsOutlivingTheDeviceDoNothing) {
  ASSERT_TRUE(device_->Open("COM7"));
  Write(kPoll);
  device_.reset();
  RunPosted();
  EXPECT_TRUE(events_.counts.empty());
}

TEST_F(SimulatedDevice, ClosedPortTakesNoWrites) {
  Write(kPoll);
  EXPECT_TRUE(posted_.empty());
  EXPECT_TRUE(model_.ReceivedCommands().empty());
}

TEST_F(SimulatedDevice, UnplugReportsDeviceGoneAndFailsFurtherIo) {
  ASSERT_TRUE(device_->Open("COM7"));
  Write(kPoll);  // its answer is lost with the sensor
  device_->Unplug();
  RunPosted();
  EXPECT_EQ(events_.gone, 1);
  EXPECT_TRUE(events_.counts.empty());
  Write(kPoll);
  EXPECT_TRUE(posted_.empty());
  EXPECT_EQ(model_.ReceivedCommands().size(), 1u);
  std::uint8_t byte = 0;
  EXPECT_EQ(device_->Read(&byte, 1), 0u);
  device_->Close();
  EXPECT_FALSE(device_->Open("COM7"));
  device_->PlugIn();
  EXPECT_TRUE(device_->Open("COM7"));
}

TEST_F(SimulatedDevice, UnplugWhileClosedReportsNothing) {
  device_->Unplug();
  RunPosted();
  EXPECT_EQ(events_.gone, 0);
}

TEST_F(SimulatedDevice, SensorCanIdentifyItselfUnasked) {
  ASSERT_TRUE(device_->Open("COM7"));
  device_->SendIdent(42);
  RunPosted();
  EXPECT_EQ(events_.counts, std::vector<int>{8});
  EXPECT_EQ(ReadAll(), (Bytes{0x4D, 0x4D, 0x00, 0x00, 0x00, 0x00, 0x2A, 0x2A}));
}

TEST(SimulatedPortLookup, KnowsOnlyTheSimulatedSensor) {
  SimulatedPortLookup lookup;
  EXPECT_EQ(lookup.PortName(std::string(kSimulatedInterfaceName)), "COM7");
  EXPECT_EQ(lookup.PortName(R"(\\?\USB#VID_0483&PID_5740#NP72000123#{guid})"), "");
  EXPECT_EQ(SimulatedPortLookup("/dev/pts/3").PortName(std::string(kSimulatedInterfaceName)),
            "/dev/pts/3");
}

TEST(SimulatedPortLookup, TheInterfaceNameIsOneTheToolTakesForTheSensor) {
  EXPECT_TRUE(NamesSensor(kSimulatedInterfaceName));
  EXPECT_EQ(DeviceInstanceOf(kSimulatedInterfaceName), R"(USB\VID_0483&PID_5740\NP72SIM0001)");
}

}  // namespace
}  // namespace np72::sim::test
