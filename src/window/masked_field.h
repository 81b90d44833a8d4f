// A "9999" masked field: four positions, each empty or holding one character.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace np72 {

class MaskedField {
 public:
  static constexpr int kPositions = 4;

  // A text set by the tool: placed from the first position, cut after the
  // fourth, not checked against the mask (a minus sign stays). A space leaves
  // its position empty.
  void Place(std::string_view text);
  void Clear();
  // A space in each empty position: "100 ".
  std::string ReadBack() const { return Render(' '); }
  // As drawn: an underscore in each empty position: "100_".
  std::string Display() const { return Render('_'); }
  bool operator==(const MaskedField&) const = default;

  // The operator's editing: digits only, typed over what stands at the caret.
  int Caret() const { return caret_; }
  void SetCaret(int position);
  // False, and nothing changes, for anything but a digit or past the last position.
  bool Type(char character);
  // Empties the position before the caret and moves the caret back.
  void Backspace();
  // Empties the position at the caret; the caret stays.
  void Delete();
  // Empties the positions from `first` up to but not including `last`.
  void Erase(int first, int last);

 private:
  std::string Render(char empty) const;

  static constexpr char kEmpty = '\0';
  std::array<char, kPositions> positions_{};
  int caret_ = 0;
};

}  // namespace np72
