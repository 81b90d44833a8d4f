// A pseudo-terminal whose slave side plays the sensor's serial port.
#pragma once

#include <optional>
#include <string>

namespace np72::sim {

class PseudoTerminal {
 public:
  // A new terminal with its slave in raw mode, or nothing (errno tells why).
  static std::optional<PseudoTerminal> Open();

  PseudoTerminal(PseudoTerminal&& other) noexcept;
  PseudoTerminal& operator=(PseudoTerminal&&) = delete;
  ~PseudoTerminal();

  int Master() const { return master_; }
  const std::string& SlavePath() const { return slave_path_; }
  // Waits until the host has read everything written to it, at most `patience_ms`.
  void WaitUntilRead(int patience_ms) const;
  // The host sees a pull-out: every open slave hangs up, and what it has not
  // read yet is lost.
  void CloseMaster();

 private:
  PseudoTerminal(int master, int slave, std::string slave_path);

  int master_;
  // Held open by the tool itself, so that a host closing its end does not
  // hang up the master and a host opening it again finds it as before.
  int slave_;
  std::string slave_path_;
};

}  // namespace np72::sim
