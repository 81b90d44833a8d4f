// Arbitrary bytes, split at arbitrary points, into the receive path and the views.
// Each input is a sequence of pieces: a length byte (1 to 64), then that many
// bytes that arrive together in one receive event.
#include <cstdlib>
#include <cstring>
#include <deque>

#include "idle_host.h"
#include "window/form1.h"

namespace np72::fuzz {
namespace {

class CheckingWindow final : public WindowOps {
 public:
  void SetText(Control control, std::string_view text) override {
    if (control == Control::Edit13) voltage.assign(text);
  }
  void SetMaskText(Control, std::string_view text) override { Require(!text.empty()); }
  std::string MaskText(Control) const override { return "    "; }
  void Clear(Control) override {}
  void SetColour(Control, Colour) override {}
  void SetVisible(Control, bool) override {}
  void PaintImage(Control, Colour brush) override { brush_ = brush; }
  Colour ImageBrush(Control) const override { return brush_; }
  void AppendLine(Control, std::string_view) override {}
  void ClearLines(Control) override {}
  void ClearSeries(Control) override { points = 0; }
  void AddPoint(Control, int x, int, Colour) override { Require(x == ++points && points <= 200); }
  WindowHandle Handle() override { return 0; }

  static void Require(bool holds) {
    if (!holds) std::abort();
  }

  std::string voltage;
  int points = 0;

 private:
  Colour brush_ = Colour::ButtonFace;
};

class QueueDevice final : public SerialDevice {
 public:
  void SetEvents(SerialEvents& sink) override { events = &sink; }
  bool Open(const std::string&) override { return true; }
  void Close() override { pending.clear(); }
  void Write(const std::uint8_t*, std::size_t) override {}
  std::size_t Read(std::uint8_t* data, std::size_t size) override {
    std::size_t taken = 0;
    for (; taken < size && !pending.empty(); ++taken, pending.pop_front()) data[taken] = pending.front();
    return taken;
  }
  void Arrive(const std::uint8_t* data, std::size_t size) {
    pending.insert(pending.end(), data, data + size);
    events->Received(static_cast<int>(pending.size()));
  }
  SerialEvents* events = nullptr;
  std::deque<std::uint8_t> pending;
};


}  // namespace
}  // namespace np72::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace np72;
  using namespace np72::fuzz;
  CheckingWindow window;
  QueueDevice device;
  testing::IdleHost idle;
  TForm1 form(idle.With(window, device));
  form.FormCreate();
  CheckingWindow::Require(form.ComPort1.Connected());

  for (std::size_t at = 0; at < size;) {
    const std::size_t piece = std::min<std::size_t>(data[at] % 64 + 1, size - at - 1);
    ++at;
    device.Arrive(data + at, piece);
    at += piece;
    CheckingWindow::Require(form.Session().Receiver.Held() <= FrameReader::kMaxHeld);
    CheckingWindow::Require(device.pending.empty());
  }
  // Whatever came before, the next clean frame on its own is shown.
  ShortFrame clean{FrameHeader, CmdPollCurrent, 0x39, 0x30, 0, 0, 0, 0};
  Seal(clean);
  window.voltage.clear();
  device.Arrive(clean.data(), clean.size());
  CheckingWindow::Require(window.voltage == "1234 мв");
  return 0;
}
