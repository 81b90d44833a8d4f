#include "pseudo_terminal.h"

#include <fcntl.h>
#include <sys/ioctl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <utility>

namespace np72::sim {

std::optional<PseudoTerminal> PseudoTerminal::Open() {
  const int master = posix_openpt(O_RDWR | O_NOCTTY);
  if (master < 0) return std::nullopt;
  const char* name = nullptr;
  if (grantpt(master) == 0 && unlockpt(master) == 0) name = ptsname(master);
  const int slave = name != nullptr ? open(name, O_RDWR | O_NOCTTY) : -1;
  termios mode{};
  if (slave < 0 || tcgetattr(slave, &mode) != 0) {
    if (slave >= 0) close(slave);
    close(master);
    return std::nullopt;
  }
  cfmakeraw(&mode);
  cfsetspeed(&mode, B9600);
  tcsetattr(slave, TCSANOW, &mode);
  return PseudoTerminal(master, slave, name);
}

PseudoTerminal::PseudoTerminal(int master, int slave, std::string slave_path)
    : master_(master), slave_(slave), slave_path_(std::move(slave_path)) {}

PseudoTerminal::PseudoTerminal(PseudoTerminal&& other) noexcept
    : master_(std::exchange(other.master_, -1)),
      slave_(std::exchange(other.slave_, -1)),
      slave_path_(std::move(other.slave_path_)) {}

PseudoTerminal::~PseudoTerminal() {
  CloseMaster();
  if (slave_ >= 0) close(slave_);
}

void PseudoTerminal::WaitUntilRead(int patience_ms) const {
  constexpr auto kStep = std::chrono::milliseconds(2);
  constexpr auto kArrival = std::chrono::milliseconds(100);
  const auto unread = [this] {
    int count = 0;
    return ioctl(slave_, FIONREAD, &count) == 0 ? count : 0;
  };
  // Written bytes reach the slave's queue a little later, not at once.
  const auto start = std::chrono::steady_clock::now();
  while (unread() == 0 && std::chrono::steady_clock::now() - start < kArrival) {
    std::this_thread::sleep_for(kStep);
  }
  const auto deadline = start + std::chrono::milliseconds(patience_ms);
  while (unread() != 0 && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(kStep);
  }
}

void PseudoTerminal::CloseMaster() {
  if (master_ >= 0) close(std::exchange(master_, -1));
}

}  // namespace np72::sim
