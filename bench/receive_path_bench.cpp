// Current-data frames through the receive path and the views, on a null window.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "null_window.h"
#include "idle_host.h"
#include "window/form1.h"

namespace np72::bench {
namespace {

// A port whose input is a ready-made stream of frames, read as often as asked.
class LoopedDevice final : public SerialDevice {
 public:
  explicit LoopedDevice(std::vector<std::uint8_t> stream) : stream_(std::move(stream)) {}
  void SetEvents(SerialEvents& sink) override { events = &sink; }
  bool Open(const std::string&) override { return true; }
  void Close() override {}
  void Write(const std::uint8_t*, std::size_t) override {}
  std::size_t Read(std::uint8_t* data, std::size_t size) override {
    std::size_t taken = 0;
    while (taken < size) {
      const std::size_t n = std::min(size - taken, stream_.size() - at_);
      std::memcpy(data + taken, stream_.data() + at_, n);
      taken += n;
      at_ = (at_ + n) % stream_.size();
    }
    return taken;
  }
  SerialEvents* events = nullptr;

 private:
  std::vector<std::uint8_t> stream_;
  std::size_t at_ = 0;
};


std::vector<std::uint8_t> CurrentDataStream(int frames) {
  std::vector<std::uint8_t> stream;
  for (int i = 0; i < frames; ++i) {
    ShortFrame frame{FrameHeader, CmdPollCurrent, 0, 0, 0, 0, static_cast<std::uint8_t>(i & 0x8F), 0};
    WriteSigned16(frame, offset::SensorVoltage, 10000 + i * 37);
    WriteSigned16(frame, offset::Pressure, i * 13 - 500);
    Seal(frame);
    stream.insert(stream.end(), frame.begin(), frame.end());
  }
  return stream;
}

// frames_per_event = 1: every frame arrives in an event of its own, as from the
// sensor; more: several frames arrive together.
void ReceivePath(benchmark::State& state) {
  const int frames_per_event = static_cast<int>(state.range(0));
  NullWindow window;
  LoopedDevice device(CurrentDataStream(64));
  testing::IdleHost idle;
  TForm1 form(idle.With(window, device));
  form.FormCreate();  // the present sensor opens the port
  const int count = frames_per_event * static_cast<int>(kShortFrameSize);
  for (auto _ : state) form.ComPort1RxChar(count);
  state.counters["frames/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * frames_per_event, benchmark::Counter::kIsRate);
  benchmark::DoNotOptimize(window.Sink());
}
BENCHMARK(ReceivePath)->Arg(1)->Arg(4)->Arg(32);

}  // namespace
}  // namespace np72::bench

BENCHMARK_MAIN();
