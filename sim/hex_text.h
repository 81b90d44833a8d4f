// Bytes as the pty tool logs them: upper-case hex pairs between single spaces.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace np72::sim {

// {0x5D, 0x02} gives "5D 02".
std::string HexText(std::span<const std::uint8_t> bytes);

}  // namespace np72::sim
