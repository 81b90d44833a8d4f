// The latency from the sensor's last byte on the pty to the window's text:
// this program plays the sensor on a pty master of its own, in a thread of
// its own, while the real Linux front-end (window, QSerialPort device, event
// loop) holds the slave. Each current-data frame is written whole, as one USB
// packet brings it; the time is taken just before that write and again when
// Edit2, the last text the frame changes, emits textChanged.
//
//   np72_latency_bench [frames [pause_ms]]    default 2000 frames 3 ms apart;
//                                             prints median, p99 and max
//
// Between frames the tool's loop goes back to waiting: 3 ms is about the time
// from the tool's poll to the sensor's answer over USB; longer pauses leave
// the machine idle, as between polls.
#include <poll.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <semaphore>
#include <thread>
#include <vector>

#include "fake_device_source.h"
#include "pseudo_terminal.h"
#include "qt/front_end.h"
#include "qt/hotplug.h"
#include "qt/instance_guard.h"
#include "qt/serial_device.h"
#include "sim/response_frames.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kWarmUp = 50;
constexpr auto kPatience = std::chrono::seconds(2);

// What the tool writes (its polls) is read and dropped, so that the pty never fills.
void DrainHostWrites(int master) {
  pollfd watched{master, POLLIN, 0};
  std::uint8_t sink[256];
  while (poll(&watched, 1, 0) > 0 && (watched.revents & POLLIN) != 0) {
    if (read(master, sink, sizeof sink) <= 0) return;
  }
}

double Percentile(std::vector<double> values, double share) {
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

}  // namespace

int main(int argc, char* argv[]) {
  using namespace np72;
  using namespace np72::qt;
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication application(argc, argv);
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
  const std::chrono::milliseconds pause(argc > 2 ? std::max(0, std::atoi(argv[2])) : 3);
  auto terminal = sim::PseudoTerminal::Open();
  if (!terminal) {
    std::perror("pseudo-terminal");
    return 1;
  }

  FakeDeviceSource udev;
  Hotplug hotplug(udev);
  QtDialogs dialogs;
  QtSerialDevice serial(dialogs);
  SocketInstanceGuard guard(GuardName("np72-latency") + "." + std::to_string(getpid()));
  FrontEnd front_end(Host{serial, hotplug, hotplug, guard, dialogs});
  hotplug.SetReceiver([&](const DeviceChange& event) { front_end.DeviceChanged(event); });
  front_end.Start();
  udev.Inject(SensorTty("add", QString::fromStdString(terminal->SlavePath())));

  std::atomic<Clock::time_point> written{};
  std::vector<double> latencies_us;
  latencies_us.reserve(static_cast<std::size_t>(frames));
  std::binary_semaphore shown(0);
  int seen = 0;
  auto* pressure = static_cast<QLineEdit*>(front_end.window().widget(Control::Edit2));
  QObject::connect(pressure, &QLineEdit::textChanged, [&] {
    const auto now = Clock::now();
    if (seen++ >= kWarmUp) {
      latencies_us.push_back(std::chrono::duration<double, std::micro>(now - written.load()).count());
    }
    shown.release();
  });

  int lost = 0;
  std::thread sensor([&] {
    const int master = terminal->Master();
    for (int i = 0; i < frames + kWarmUp; ++i) {
      std::this_thread::sleep_for(pause);
      DrainHostWrites(master);
      // Every frame shows a pressure other than the one before it.
      const ShortFrame frame = sim::CurrentDataFrame(static_cast<std::int16_t>(10000 + i % 2 * 100),
                                                     static_cast<std::int16_t>(1000 + i % 2 * 100), 0);
      written.store(Clock::now());
      if (write(master, frame.data(), frame.size()) != static_cast<ssize_t>(frame.size())) break;
      if (!shown.try_acquire_for(kPatience)) ++lost;
    }
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
  });
  QApplication::exec();
  sensor.join();

  if (latencies_us.empty() || lost != 0) {
    std::fprintf(stderr, "%d of %d frames never showed\n", lost, frames + kWarmUp);
    return 1;
  }
  std::printf("last byte on the pty to Edit2's text, %zu frames %lld ms apart: median %.0f us, p99 %.0f us, max %.0f us\n",
              latencies_us.size(), static_cast<long long>(pause.count()), Percentile(latencies_us, 0.5), Percentile(latencies_us, 0.99),
              *std::max_element(latencies_us.begin(), latencies_us.end()));
  return 0;
}
