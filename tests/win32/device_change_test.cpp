// WM_DEVICECHANGE records decoded into the core's event.
#include "win32/device_change.h"

#include <dbt.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace np72::win32 {
namespace {

constexpr std::size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_A, dbcc_name);

// A record as the host builds it: header, class GUID, the name and its zero;
// `size` overrides the size field.
std::vector<char> Record(DWORD type, const std::string& name, DWORD size = 0) {
  std::vector<char> bytes(kNameOffset + name.size() + 1, '\0');
  auto* header = reinterpret_cast<DEV_BROADCAST_HDR*>(bytes.data());
  header->dbch_size = size != 0 ? size : static_cast<DWORD>(bytes.size());
  header->dbch_devicetype = type;
  std::memcpy(bytes.data() + kNameOffset, name.data(), name.size());
  return bytes;
}

constexpr const char* kSensor = "\\\\?\\USB#VID_0483&PID_5740#NP72000123#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";

TEST(DecodeDeviceChangeTest, AnInterfaceArrivalCarriesItsName) {
  const std::vector<char> record = Record(DBT_DEVTYP_DEVICEINTERFACE, kSensor);
  const DeviceChange event = DecodeDeviceChange(DBT_DEVICEARRIVAL, record.data());
  EXPECT_EQ(event.eventType, 0x8000u);
  EXPECT_EQ(event.interfaceName, kSensor);
}

TEST(DecodeDeviceChangeTest, TheNameEndsWhereTheRecordSaysItEnds) {
  const std::vector<char> record = Record(DBT_DEVTYP_DEVICEINTERFACE, "\\\\?\\USB#NP72", kNameOffset + 4);
  EXPECT_EQ(DecodeDeviceChange(DBT_DEVICEARRIVAL, record.data()).interfaceName, "\\\\?\\");
}

TEST(DecodeDeviceChangeTest, OtherRecordsAndNoRecordGiveNoName) {
  const std::vector<char> port = Record(DBT_DEVTYP_PORT, "COM5");
  EXPECT_EQ(DecodeDeviceChange(DBT_DEVICEARRIVAL, port.data()).interfaceName, "");
  const std::vector<char> truncated = Record(DBT_DEVTYP_DEVICEINTERFACE, kSensor, sizeof(DEV_BROADCAST_HDR));
  EXPECT_EQ(DecodeDeviceChange(DBT_DEVICEARRIVAL, truncated.data()).interfaceName, "");
  const DeviceChange nodes = DecodeDeviceChange(DBT_DEVNODES_CHANGED, nullptr);
  EXPECT_EQ(nodes.eventType, 7u);
  EXPECT_EQ(nodes.interfaceName, "");
}

TEST(DecodeDeviceChangeTest, TheWholeEventTypeIsHandedOn) {
  EXPECT_EQ(DecodeDeviceChange(0x12348004, nullptr).eventType, 0x12348004u);
}

}  // namespace
}  // namespace np72::win32
