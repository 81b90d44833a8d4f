// The tty subsystem through libudev: its monitor, read when its socket is
// readable, and its enumeration.
#pragma once

#include <QObject>
#include <memory>

#include "qt/device_source.h"

struct udev;
struct udev_monitor;
class QSocketNotifier;

namespace np72::qt {

class UdevSource final : public QObject, public DeviceSource {
  Q_OBJECT

 public:
  UdevSource();
  ~UdevSource() override;

  void Start(Listener listener) override;
  std::vector<UdevRecord> Present() override;

 private:
  void Drain();

  udev* udev_ = nullptr;
  udev_monitor* monitor_ = nullptr;
  std::unique_ptr<QSocketNotifier> notifier_;
  Listener listener_;
};

}  // namespace np72::qt
