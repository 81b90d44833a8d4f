#include "window/masked_field.h"

#include <algorithm>

namespace np72 {

void MaskedField::Place(std::string_view text) {
  for (int i = 0; i < kPositions; ++i) {
    const bool given = static_cast<std::size_t>(i) < text.size() && text[i] != ' ';
    positions_[i] = given ? text[i] : kEmpty;
  }
  caret_ = 0;
}

void MaskedField::Clear() {
  Place({});
}

std::string MaskedField::Render(char empty) const {
  std::string text(kPositions, empty);
  for (int i = 0; i < kPositions; ++i) {
    if (positions_[i] != kEmpty) text[i] = positions_[i];
  }
  return text;
}

void MaskedField::SetCaret(int position) {
  caret_ = std::clamp(position, 0, kPositions);
}

bool MaskedField::Type(char character) {
  if (character < '0' || character > '9' || caret_ >= kPositions) return false;
  positions_[caret_++] = character;
  return true;
}

void MaskedField::Backspace() {
  if (caret_ == 0) return;
  positions_[--caret_] = kEmpty;
}

void MaskedField::Delete() {
  if (caret_ < kPositions) positions_[caret_] = kEmpty;
}

void MaskedField::Erase(int first, int last) {
  first = std::clamp(first, 0, kPositions);
  last = std::clamp(last, first, kPositions);
  std::fill(positions_.begin() + first, positions_.begin() + last, kEmpty);
  caret_ = first;
}

}  // namespace np72
