// Device arrival and removal: the sensor's port opens when it is plugged in
// and closes when it goes.
#include "link/sensor_names.h"
#include "window/form1.h"
#include "window/number_format.h"

namespace np72 {

void TForm1::WMDeviceChange(const DeviceChange& event) {
  session_.PrevDevCode = session_.CurDevCode;
  session_.CurDevCode = static_cast<std::uint16_t>(event.eventType & 0xFFFF);
  window_.AppendLine(Control::LogMemo, Decimal(session_.PrevDevCode) + "---" + Decimal(session_.CurDevCode));

  if (session_.PrevDevCode == kDevNodesChanged && session_.CurDevCode == kDeviceArrival) {
    window_.AppendLine(Control::LogMemo, "Подкл.");
    if (NamesSensor(event.interfaceName)) OpenArrivedSensor(event.interfaceName);
  }
  // Only the opened sensor's own removal closes the port: other devices come
  // and go beside it.
  if (session_.CurDevCode == kDeviceRemoveComplete && !session_.OpenedDevice.empty() &&
      SameDeviceInstance(DeviceInstanceOf(event.interfaceName), session_.OpenedDevice)) {
    CloseVanishedSensor();
  }
}

void TForm1::OpenArrivedSensor(const std::string& interface_name) {
  const std::string port = lookup_.PortName(interface_name);
  if (port.size() <= 3 || ComPort1.Connected()) return;
  window_.AppendLine(Control::LogMemo, "NP72:  " + port);
  ComPort1.SetPort(port);
  if (!ComPort1.Open()) {
    const std::string failure = "Ошибка открытия порта " + port;
    window_.AppendLine(Control::LogMemo, failure);
    window_.SetText(Control::Label10, failure);
    return;
  }
  session_.OpenedDevice = DeviceInstanceOf(interface_name);
  SendShortCommand(CmdReadSettings);
  Timer1.SetEnabled(true);
}

void TForm1::ComPort1DeviceGone() {
  CloseVanishedSensor();
}

void TForm1::CloseVanishedSensor() {
  window_.AppendLine(Control::LogMemo, "Откл.");
  session_.OpenedDevice.clear();
  Timer1.SetEnabled(false);
  try {
    ComPort1.Close();
  } catch (...) {
    window_.AppendLine(Control::LogMemo, "try.");
  }
}

void TForm1::OpenPresentSensors() {
  for (const std::string& name : notifications_.PresentInterfaces()) {
    if (!NamesSensor(name)) continue;
    window_.AppendLine(Control::LogMemo, "Подкл.");
    OpenArrivedSensor(name);
  }
}

}  // namespace np72
