#include "qt/serial_device.h"

#include <QTimer>

#include "app/error_box.h"

namespace np72::qt {

QtSerialDevice::QtSerialDevice(Dialogs& dialogs) : dialogs_(dialogs) {
  connect(&port_, &QSerialPort::readyRead, this, &QtSerialDevice::OnReadyRead);
  connect(&port_, &QSerialPort::errorOccurred, this, &QtSerialDevice::OnError);
}

bool QtSerialDevice::Open(const std::string& name) {
  if (port_.isOpen()) port_.close();
  port_.setPortName(QString::fromStdString(name));
  port_.setBaudRate(QSerialPort::Baud9600);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  ++generation_;
  goneReported_ = false;
  if (!port_.open(QIODevice::ReadWrite)) return false;
  // A pty has no modem lines and refuses both with UnsupportedOperationError;
  // a real tty holds them inactive.
  port_.setDataTerminalReady(false);
  port_.setRequestToSend(false);
  port_.clearError();
  return true;
}

void QtSerialDevice::Close() {
  ++generation_;
  if (port_.isOpen()) port_.close();
  port_.clearError();
}

void QtSerialDevice::Write(const std::uint8_t* data, std::size_t size) {
  if (!port_.isOpen()) return;
  port_.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  port_.flush();
}

std::size_t QtSerialDevice::Read(std::uint8_t* data, std::size_t size) {
  if (!port_.isOpen()) return 0;
  const qint64 got = port_.read(reinterpret_cast<char*>(data), static_cast<qint64>(size));
  return got > 0 ? static_cast<std::size_t>(got) : 0;
}

void QtSerialDevice::OnReadyRead() {
  const qint64 pending = port_.bytesAvailable();
  if (events_ != nullptr && pending > 0) RunGuarded(dialogs_, [&] { events_->Received(static_cast<int>(pending)); });
}

void QtSerialDevice::OnError(QSerialPort::SerialPortError error) {
  // A pulled-out tty fails every read until it is closed: only the first of
  // those errors counts. The port is closed from the loop, outside the
  // serial port's own signal.
  if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError) return;
  if (goneReported_ || !port_.isOpen()) return;
  goneReported_ = true;
  QTimer::singleShot(0, this, [this, generation = generation_] {
    if (generation == generation_ && port_.isOpen() && events_ != nullptr) {
      RunGuarded(dialogs_, [this] { events_->DeviceGone(); });
    }
  });
}

}  // namespace np72::qt
