#include "pty_tool_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

namespace np72::sim::test {

namespace {

using Clock = std::chrono::steady_clock;

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

}  // namespace

PtyToolProcess::PtyToolProcess(const std::vector<std::string>& arguments) {
  int to_child[2], from_child[2];
  if (pipe(to_child) != 0 || pipe(from_child) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    dup2(to_child[0], STDIN_FILENO);
    dup2(from_child[1], STDOUT_FILENO);
    close(to_child[0]);
    close(to_child[1]);
    close(from_child[0]);
    close(from_child[1]);
    std::vector<char*> argv{const_cast<char*>(NP72_SIM_PTY_PATH)};
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(to_child[0]);
  close(from_child[1]);
  input_ = to_child[1];
  output_ = from_child[0];
  signal(SIGPIPE, SIG_IGN);
}

PtyToolProcess::~PtyToolProcess() {
  CloseInput();
  if (pid_ > 0 && !WaitForExit()) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  if (output_ >= 0) close(output_);
}

std::optional<std::string> PtyToolProcess::ReadLine() {
  const auto deadline = Clock::now() + kPatience;
  for (;;) {
    if (const auto end = buffered_.find('\n'); end != std::string::npos) {
      std::string line = buffered_.substr(0, end);
      buffered_.erase(0, end + 1);
      return line;
    }
    pollfd watched{output_, POLLIN, 0};
    if (poll(&watched, 1, MillisecondsLeft(deadline)) <= 0) return std::nullopt;
    char chunk[256];
    const ssize_t count = read(output_, chunk, sizeof chunk);
    if (count <= 0) return std::nullopt;
    buffered_.append(chunk, static_cast<std::size_t>(count));
  }
}

bool PtyToolProcess::WaitForLine(const std::string& line) {
  while (const auto next = ReadLine()) {
    if (*next == line) return true;
  }
  return false;
}

void PtyToolProcess::Command(const std::string& line) {
  const std::string text = line + "\n";
  if (write(input_, text.data(), text.size()) != ssize_t(text.size())) CloseInput();
}

void PtyToolProcess::CloseInput() {
  if (input_ >= 0) close(input_);
  input_ = -1;
}

std::optional<int> PtyToolProcess::WaitForExit() {
  if (pid_ <= 0) return std::nullopt;
  const auto deadline = Clock::now() + kPatience;
  int status = 0;
  while (waitpid(pid_, &status, WNOHANG) == 0) {
    if (Clock::now() > deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  pid_ = -1;
  if (!WIFEXITED(status)) return std::nullopt;
  return WEXITSTATUS(status);
}

HostPort::HostPort(const std::string& path) : fd_(open(path.c_str(), O_RDWR | O_NOCTTY)) {}

HostPort::~HostPort() {
  if (fd_ >= 0) close(fd_);
}

void HostPort::Write(const std::vector<std::uint8_t>& bytes) {
  if (write(fd_, bytes.data(), bytes.size()) != ssize_t(bytes.size())) {
    close(fd_);
    fd_ = -1;
  }
}

std::vector<std::uint8_t> HostPort::Read(std::size_t count) {
  std::vector<std::uint8_t> bytes;
  const auto deadline = Clock::now() + kPatience;
  while (fd_ >= 0 && bytes.size() < count) {
    pollfd watched{fd_, POLLIN, 0};
    if (poll(&watched, 1, MillisecondsLeft(deadline)) <= 0) break;
    std::uint8_t chunk[64];
    const ssize_t got = read(fd_, chunk, std::min(sizeof chunk, count - bytes.size()));
    if (got <= 0) break;  // hung up
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  return bytes;
}

}  // namespace np72::sim::test
