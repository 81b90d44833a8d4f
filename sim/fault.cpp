#include "sim/fault.h"

#include <array>
#include <utility>

namespace np72::sim {

std::optional<Fault> FaultNamed(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, Fault>, 6> kNames{{
      {"none", Fault::None},
      {"badsum", Fault::BadChecksum},
      {"split", Fault::Split},
      {"coalesce", Fault::Coalesce},
      {"garbage", Fault::Garbage},
      {"silent", Fault::Silent},
  }};
  for (const auto& [text, fault] : kNames) {
    if (text == name) return fault;
  }
  return std::nullopt;
}

}  // namespace np72::sim
