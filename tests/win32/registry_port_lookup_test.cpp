// The friendly-name lookup against the registry of the Wine prefix the tests run in.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "device_registry.h"
#include "win32/registry_port_lookup.h"

namespace np72::win32 {
namespace {

using namespace testing_registry;

constexpr const char* kSerial = "NP72LOOKUP1";
const std::string kInterface = SensorInterface(kSerial);

class RegistryPortLookupTest : public testing::Test {
 protected:
  void TearDown() override { RemoveDeviceKey(kSerial); }

  RegistryPortLookup lookup;
};

TEST_F(RegistryPortLookupTest, ThePortComesFromTheArrivedDevicesFriendlyName) {
  SetFriendlyName(kSerial, REG_SZ, L"USB Serial Device (COM5)");
  EXPECT_EQ(lookup.PortName(kInterface), "COM5");
}

TEST_F(RegistryPortLookupTest, AnExpandableStringIsTakenAsStored) {
  SetFriendlyName(kSerial, REG_EXPAND_SZ, L"%SystemRoot% (COM12) extra");
  EXPECT_EQ(lookup.PortName(kInterface), "COM12");
}

TEST_F(RegistryPortLookupTest, AMissingKeyOrValueGivesNoPort) {
  EXPECT_EQ(lookup.PortName(kInterface), "");
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_LOCAL_MACHINE, DeviceKey(kSerial).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegCloseKey(key);
  EXPECT_EQ(lookup.PortName(kInterface), "");
}

TEST_F(RegistryPortLookupTest, TheKeyIsNeverCreated) {
  EXPECT_EQ(lookup.PortName(kInterface), "");
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, DeviceKey(kSerial).c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
}

TEST_F(RegistryPortLookupTest, AValueOfAnotherTypeFails) {
  const DWORD number = 5;
  SetFriendlyName(kSerial, REG_DWORD, &number, sizeof number);
  try {
    lookup.PortName(kInterface);
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "Invalid data type for 'FriendlyName'");
  }
}

}  // namespace
}  // namespace np72::win32
