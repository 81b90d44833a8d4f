// Serves the sensor model on a pseudo-terminal, steered from standard input.
#pragma once

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "pseudo_terminal.h"
#include "sim/sensor_model.h"

namespace np72::sim {

class SensorServer {
 public:
  // Logs to `log` a line "rx <hex>" for every command frame taken and
  // "tx <hex>" for every delivery written.
  SensorServer(PseudoTerminal& terminal, SensorModel& model, std::FILE* log);

  // Serves until "quit", the end of standard input, `stop` turning non-zero,
  // or the sensor vanishing (which closes the master). Returns the exit code.
  int Run(const volatile std::sig_atomic_t& stop);

 private:
  void ReadConsole();
  void Obey(std::string_view line);
  void ReadMaster();
  void Send(const Deliveries& deliveries);
  void Log(std::string_view direction, std::span<const std::uint8_t> bytes);

  PseudoTerminal& terminal_;
  SensorModel& model_;
  std::FILE* log_;
  std::string console_line_;
  bool done_ = false;
};

}  // namespace np72::sim
