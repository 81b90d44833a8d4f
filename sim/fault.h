// The ways the simulated sensor misbehaves on purpose.
#pragma once

#include <optional>
#include <string_view>

namespace np72::sim {

enum class Fault {
  None,
  BadChecksum,  // answers carry a wrong checksum
  Split,        // each answer arrives in pieces
  Coalesce,     // answers are held back and arrive two or three together
  Garbage,      // random bytes arrive before each answer
  Silent,       // commands are carried out but not answered
};

// The names of the pty tool's "fault" command: none, badsum, split,
// coalesce, garbage, silent.
std::optional<Fault> FaultNamed(std::string_view name);

}  // namespace np72::sim
