// The friendly-name lookup against the registry of the Wine prefix the tests run in.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "win32/registry_port_lookup.h"

namespace np72::win32 {
namespace {

constexpr const wchar_t* kDeviceKey = L"SYSTEM\\CurrentControlSet\\Enum\\USB\\VID_0483&PID_5740\\NP72LOOKUP1";
constexpr const char* kInterface = "\\\\?\\USB#VID_0483&PID_5740#NP72LOOKUP1#{a5dcbf10-6530-11d2-901f-00c04fb951ed}";

class RegistryPortLookupTest : public testing::Test {
 protected:
  void TearDown() override { RegDeleteKeyW(HKEY_LOCAL_MACHINE, kDeviceKey); }

  void SetValue(DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kDeviceKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, L"FriendlyName", 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }
  void SetString(DWORD type, const std::wstring& text) {
    SetValue(type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }

  RegistryPortLookup lookup;
};

TEST_F(RegistryPortLookupTest, ThePortComesFromTheArrivedDevicesFriendlyName) {
  SetString(REG_SZ, L"USB Serial Device (COM5)");
  EXPECT_EQ(lookup.PortName(kInterface), "COM5");
}

TEST_F(RegistryPortLookupTest, AnExpandableStringIsTakenAsStored) {
  SetString(REG_EXPAND_SZ, L"%SystemRoot% (COM12) extra");
  EXPECT_EQ(lookup.PortName(kInterface), "COM12");
}

TEST_F(RegistryPortLookupTest, AMissingKeyOrValueGivesNoPort) {
  EXPECT_EQ(lookup.PortName(kInterface), "");
  HKEY key = nullptr;
  RegCreateKeyExW(HKEY_LOCAL_MACHINE, kDeviceKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
  RegCloseKey(key);
  EXPECT_EQ(lookup.PortName(kInterface), "");
}

TEST_F(RegistryPortLookupTest, TheKeyIsNeverCreated) {
  EXPECT_EQ(lookup.PortName(kInterface), "");
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_LOCAL_MACHINE, kDeviceKey, 0, KEY_READ, &key), ERROR_SUCCESS);
}

TEST_F(RegistryPortLookupTest, AValueOfAnotherTypeFails) {
  const DWORD number = 5;
  SetValue(REG_DWORD, &number, sizeof number);
  try {
    lookup.PortName(kInterface);
    FAIL() << "no error";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "Invalid data type for 'FriendlyName'");
  }
}

}  // namespace
}  // namespace np72::win32
