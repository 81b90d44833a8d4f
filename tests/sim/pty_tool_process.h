// Runs np72-sim-pty as a child with pipes on its standard input and output.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace np72::sim::test {

// Guards every wait, so that a broken tool fails the test instead of hanging it.
inline constexpr std::chrono::milliseconds kPatience{5000};

class PtyToolProcess {
 public:
  explicit PtyToolProcess(const std::vector<std::string>& arguments = {});
  PtyToolProcess(const PtyToolProcess&) = delete;
  PtyToolProcess& operator=(const PtyToolProcess&) = delete;
  ~PtyToolProcess();

  pid_t Pid() const { return pid_; }
  // The next line of its output, without the newline; nothing on time-out or end.
  std::optional<std::string> ReadLine();
  // Reads lines until one equals `line`; false when it never came.
  bool WaitForLine(const std::string& line);
  void Command(const std::string& line);
  void CloseInput();
  // The exit code, or nothing when it did not end normally in time.
  std::optional<int> WaitForExit();

 private:
  pid_t pid_ = -1;
  int input_ = -1;
  int output_ = -1;
  std::string buffered_;
};

// The slave side as a host opens it.
class HostPort {
 public:
  explicit HostPort(const std::string& path);
  HostPort(const HostPort&) = delete;
  HostPort& operator=(const HostPort&) = delete;
  ~HostPort();

  bool IsOpen() const { return fd_ >= 0; }
  void Write(const std::vector<std::uint8_t>& bytes);
  // Up to `count` bytes, as many as arrive before the time-out or a hang-up.
  std::vector<std::uint8_t> Read(std::size_t count);

 private:
  int fd_;
};

}  // namespace np72::sim::test
