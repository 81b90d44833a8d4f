#include "sensor_server.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>
#include <type_traits>

#include "console_command.h"
#include "sim/hex_text.h"

namespace np72::sim {

namespace {

using namespace std::chrono_literals;
constexpr int kPollMs = 100;                 // bounds how late a signal is noticed
constexpr auto kPieceGap = 3ms;              // pieces of one answer really arrive apart
constexpr auto kHungUpWait = 20ms;           // no spinning while no host holds the slave
constexpr int kLastWordsMs = 1000;         // a vanishing sensor's half answer reaches the host
constexpr std::size_t kChunk = 256;

void WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return;
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
}

}  // namespace

SensorServer::SensorServer(PseudoTerminal& terminal, SensorModel& model, std::FILE* log)
    : terminal_(terminal), model_(model), log_(log) {}

int SensorServer::Run(const volatile std::sig_atomic_t& stop) {
  while (!done_ && stop == 0) {
    pollfd watched[2] = {{STDIN_FILENO, POLLIN, 0}, {terminal_.Master(), POLLIN, 0}};
    if (poll(watched, 2, kPollMs) < 0) {
      if (errno == EINTR) continue;
      return 1;
    }
    if (watched[0].revents != 0) ReadConsole();
    if (done_) break;
    if ((watched[1].revents & POLLIN) != 0) {
      ReadMaster();
    } else if (watched[1].revents != 0) {
      std::this_thread::sleep_for(kHungUpWait);
    }
  }
  return 0;
}

void SensorServer::ReadConsole() {
  char chunk[kChunk];
  const ssize_t count = read(STDIN_FILENO, chunk, sizeof chunk);
  if (count < 0 && errno == EINTR) return;
  if (count <= 0) {
    done_ = true;
    return;
  }
  console_line_.append(chunk, static_cast<std::size_t>(count));
  for (auto end = console_line_.find('\n'); end != std::string::npos && !done_;
       end = console_line_.find('\n')) {
    const std::string line = console_line_.substr(0, end);
    console_line_.erase(0, end + 1);
    Obey(line);
  }
}

void SensorServer::Obey(std::string_view line) {
  std::visit(
      [&](const auto& command) {
        using C = std::decay_t<decltype(command)>;
        if constexpr (std::is_same_v<C, console::SetFault>) {
          model_.SetFault(command.fault);
          Send(model_.Flush());
        } else if constexpr (std::is_same_v<C, console::SendIdent>) {
          Send(model_.SendIdent(command.device_id));
        } else if constexpr (std::is_same_v<C, console::SendGarbage>) {
          Send(model_.SendGarbage(command.count));
        } else if constexpr (std::is_same_v<C, console::Vanish>) {
          model_.Vanish();
        } else if constexpr (std::is_same_v<C, console::Quit>) {
          done_ = true;
        } else if constexpr (std::is_same_v<C, console::Unknown>) {
          std::fprintf(stderr, "unknown command: %.*s\n", int(line.size()), line.data());
        }
      },
      console::Parse(line));
}

void SensorServer::ReadMaster() {
  std::uint8_t chunk[kChunk];
  const ssize_t count = read(terminal_.Master(), chunk, sizeof chunk);
  if (count <= 0) return;
  const std::size_t known = model_.ReceivedCommands().size();
  const Deliveries answers = model_.Receive({chunk, static_cast<std::size_t>(count)});
  const auto& commands = model_.ReceivedCommands();
  for (std::size_t i = known; i < commands.size(); ++i) Log("rx", commands[i]);
  Send(answers);
}

void SensorServer::Send(const Deliveries& deliveries) {
  for (std::size_t i = 0; i < deliveries.size(); ++i) {
    if (i > 0) std::this_thread::sleep_for(kPieceGap);
    WriteAll(terminal_.Master(), deliveries[i]);
    Log("tx", deliveries[i]);
  }
  if (model_.Gone()) {
    terminal_.WaitUntilRead(kLastWordsMs);
    terminal_.CloseMaster();
    done_ = true;
  }
}

void SensorServer::Log(std::string_view direction, std::span<const std::uint8_t> bytes) {
  std::fprintf(log_, "%.*s %s\n", int(direction.size()), direction.data(), HexText(bytes).c_str());
  std::fflush(log_);
}

}  // namespace np72::sim
