// TForm1: the main window's handlers and the state they share.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "link/com_port.h"
#include "link/timer.h"
#include "platform/platform.h"
#include "window/device_session.h"

namespace np72 {

class TForm1 final : public ComPortEvents {
 public:
  explicit TForm1(const Platform& platform);
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // Application shell.
  void FormCreate();
  void FormClose();

  // Device link.
  void WMDeviceChange(const DeviceChange& event);
  void ComPort1AfterOpen() override;
  void ComPort1AfterClose() override;
  void ComPort1DeviceGone() override;
  void Timer1Timer();
  void Button8Click();

  // Device protocol.
  void ComPort1RxChar(int count) override;
  void TransferData();
  void TransferDataLong();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void Button7Click();
  void Button9Click();

  // Views.
  void ShowCurrentData(std::int16_t sensor_voltage, std::int16_t pressure, std::uint8_t status_flags);
  void RezervToBit(std::uint8_t status_flags);
  void ResetHistory();
  void ShowSettings(std::int16_t zero_voltage, std::int16_t pressure_voltage, std::int16_t pressure_setting,
                    std::int16_t threshold1, std::int16_t threshold2, std::int16_t threshold3);
  void ShowShortZeroAdjust(std::int16_t zero_voltage, std::int16_t pressure_voltage);
  void ShowVersion(std::uint16_t crc_low, std::uint16_t crc_high, std::int16_t version_major,
                   std::int16_t version_minor);
  void ShowIdent(std::uint8_t device_id);
  void Button11Click();

  // A click of a button control, routed to its handler; other controls are ignored.
  void Click(Control button);

  const DeviceSession& Session() const { return session_; }

  ComPort ComPort1;
  Timer Timer1;

 private:
  void SendShortCommand(std::uint8_t code);
  void SendWriteSettings(std::int16_t pressure_setting, std::int16_t threshold1, std::int16_t threshold2,
                         std::int16_t threshold3);
  std::int16_t SettingToWrite(std::size_t index, Control field) const;
  // Handles one whole received frame of 8 or 18 bytes; true when its checksum passed.
  bool Examine(std::span<const std::uint8_t> frame);
  bool ExamineShort(std::span<const std::uint8_t> frame);
  bool ExamineLong(std::span<const std::uint8_t> frame);
  void OpenArrivedSensor(const std::string& interface_name);
  void CloseVanishedSensor();
  void OpenPresentSensors();

  WindowOps& window_;
  PortLookup& lookup_;
  Locale& locale_;
  InstanceGuard& guard_;
  DeviceNotifications& notifications_;
  Dialogs& dialogs_;
  Application& application_;
  DeviceSession session_;
};

}  // namespace np72
