#include "window/number_format.h"

namespace np72 {

std::string Decimal(std::int64_t value) {
  return std::to_string(value);
}

std::string WholeFromTenths(std::int16_t tenths) {
  return Decimal(tenths / 10);
}

std::string FixedHundredths(std::int16_t hundredths, std::string_view separator) {
  const std::int32_t value = hundredths;
  const std::int32_t magnitude = value < 0 ? -value : value;
  std::string text = value < 0 ? "-" : "";
  text += std::to_string(magnitude / 100);
  text += separator;
  text += static_cast<char>('0' + magnitude % 100 / 10);
  text += static_cast<char>('0' + magnitude % 10);
  return text;
}

std::string Hex4(std::uint16_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text(4, '0');
  for (int i = 3; i >= 0; --i, value = static_cast<std::uint16_t>(value >> 4)) text[i] = kDigits[value & 0xF];
  return text;
}

std::string DumpText(std::span<const std::uint8_t> bytes) {
  std::string text = " ";
  for (const std::uint8_t byte : bytes) {
    text += std::to_string(byte);
    text += ' ';
  }
  return text;
}

}  // namespace np72
