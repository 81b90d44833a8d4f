#include "console_command.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace np72::sim::console {

namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::optional<std::size_t> Number(std::string_view text) {
  std::size_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace

Command Parse(std::string_view line) {
  line = Trimmed(line);
  if (line.empty()) return Blank{};
  const auto space = line.find(' ');
  const std::string_view word = line.substr(0, space);
  const std::string_view argument =
      space == std::string_view::npos ? std::string_view() : Trimmed(line.substr(space));
  if (argument.empty()) {
    if (word == "vanish") return Vanish{};
    if (word == "quit") return Quit{};
    return Unknown{};
  }
  if (word == "fault") {
    if (const auto fault = FaultNamed(argument)) return SetFault{*fault};
  } else if (word == "ident") {
    if (const auto id = Number(argument); id && *id <= 0xFF) {
      return SendIdent{static_cast<std::uint8_t>(*id)};
    }
  } else if (word == "garbage") {
    if (const auto count = Number(argument)) return SendGarbage{*count};
  }
  return Unknown{};
}

}  // namespace np72::sim::console
