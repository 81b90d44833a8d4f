// The command frames a host sends, for tests and tools that play the host.
#pragma once

#include <cstdint>
#include <vector>

namespace np72::sim {

// A short command (codes 2 to 8), sealed: 5D code 00 00 00 00 00 checksum.
std::vector<std::uint8_t> ShortCommand(std::uint8_t code);
// CmdWriteSettings with these values, sealed.
std::vector<std::uint8_t> WriteSettingsCommand(int pressure_setting, int threshold1,
                                               int threshold2, int threshold3);

}  // namespace np72::sim
