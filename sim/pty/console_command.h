// The commands the pty tool takes on its standard input, one a line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#include "sim/fault.h"

namespace np72::sim::console {

struct SetFault { Fault fault; };
struct SendIdent { std::uint8_t device_id; };
struct SendGarbage { std::size_t count; };
struct Vanish {};
struct Quit {};
struct Blank {};
struct Unknown {};

using Command = std::variant<SetFault, SendIdent, SendGarbage, Vanish, Quit, Blank, Unknown>;

// "fault none|badsum|split|coalesce|garbage|silent", "ident N" (0 to 255),
// "garbage N", "vanish", "quit"; an empty line is Blank, anything else Unknown.
Command Parse(std::string_view line);

}  // namespace np72::sim::console
