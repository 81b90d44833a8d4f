// The core speaks UTF-8; Windows' W functions speak UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace np72::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view utf16);

}  // namespace np72::win32
