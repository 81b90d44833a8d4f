// How numbers are written for the operator.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace np72 {

// Signed decimal, no leading zeros, no grouping.
std::string Decimal(std::int64_t value);
// A value in tenths of a unit as whole units, truncated toward zero: -15 gives "-1".
std::string WholeFromTenths(std::int16_t tenths);
// Hundredths with the pattern "#0.00" and the given decimal separator: -5 gives "-0,05".
std::string FixedHundredths(std::int16_t hundredths, std::string_view separator);
// Exactly four upper-case hexadecimal digits.
std::string Hex4(std::uint16_t value);
// A blank, then every byte in unsigned decimal followed by a blank: " 93 2 ".
std::string DumpText(std::span<const std::uint8_t> bytes);

}  // namespace np72
