// Names of the main window's controls, as the form defines them.
#pragma once

#include <cstddef>

namespace np72 {

// Every control of the main window, in the order of the control table.
// Series1 is the chart's only series: it is no window of its own, but the
// chart operations address it by name.
#define NP72_CONTROLS(X) \
  X(Form1)               \
  X(Panel2)              \
  X(GroupBox6)           \
  X(Panel1)              \
  X(GroupBox4)           \
  X(Label10)             \
  X(Image1)              \
  X(GroupBox5)           \
  X(GroupBox1)           \
  X(GroupBox2)           \
  X(GroupBox3)           \
  X(Chart1)              \
  X(Button7)             \
  X(Panel4)              \
  X(FlagNastroiki)       \
  X(FlagPorog1)          \
  X(FlagPorog2)          \
  X(FlagPorog3)          \
  X(Label13)             \
  X(Edit12)              \
  X(Label14)             \
  X(Edit11)              \
  X(Label15)             \
  X(MaskEdit4)           \
  X(Label16)             \
  X(MaskEdit3)           \
  X(Label17)             \
  X(MaskEdit2)           \
  X(Label18)             \
  X(MaskEdit1)           \
  X(Button2)             \
  X(Button6)             \
  X(Button9)             \
  X(Edit13)              \
  X(Button5)             \
  X(Button4)             \
  X(Edit2)               \
  X(Panel3)              \
  X(Button3)             \
  X(Label8)              \
  X(Label1)              \
  X(Label9)              \
  X(Label6)              \
  X(Label11)             \
  X(Label12)             \
  X(Button1)             \
  X(LogMemo)             \
  X(Button11)            \
  X(Button8)             \
  X(Series1)

enum class Control : int {
#define NP72_ENUMERATOR(name) name,
  NP72_CONTROLS(NP72_ENUMERATOR)
#undef NP72_ENUMERATOR
};

inline constexpr std::size_t kControlCount = static_cast<std::size_t>(Control::Series1) + 1;

// The control's name as the form defines it ("Button6", "LogMemo").
const char* ControlName(Control control);

}  // namespace np72
