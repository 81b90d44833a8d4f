#include "app/error_box.h"

namespace np72 {

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  // Bytes of a multi-byte UTF-8 character are all above '.', as the character is.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

}  // namespace np72
