// ComPort1's device on Linux: a tty through QSerialPort.
#pragma once

#include <QSerialPort>

#include "platform/serial_device.h"
#include "platform/shell.h"

namespace np72::qt {

class QtSerialDevice final : public QObject, public SerialDevice {
  Q_OBJECT

 public:
  // An error that escapes the form's receive handling shows in the dialogs' error box.
  explicit QtSerialDevice(Dialogs& dialogs);

  void SetEvents(SerialEvents& events) override { events_ = &events; }
  bool Open(const std::string& name) override;
  void Close() override;
  void Write(const std::uint8_t* data, std::size_t size) override;
  std::size_t Read(std::uint8_t* data, std::size_t size) override;

 private:
  void OnReadyRead();
  void OnError(QSerialPort::SerialPortError error);

  Dialogs& dialogs_;
  QSerialPort port_;
  SerialEvents* events_ = nullptr;
  // Counts opens, so that a loss reported for an earlier open is dropped.
  unsigned generation_ = 0;
  bool goneReported_ = false;
};

}  // namespace np72::qt
