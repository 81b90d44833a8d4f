#include "window/control_table.h"

#include <array>
#include <stdexcept>
#include <string>

namespace np72 {

namespace {

using enum Control;
using K = ControlKind;

constexpr ControlRow Row(Control id, K kind, Control parent, int left, int top, int width, int height, const char* text,
                         int tab_order, bool visible = true, Bevel bevel = Bevel::None, Font font = kWindowFont) {
  return {id, kind, parent, left, top, width, height, text, font, tab_order, visible, bevel};
}

constexpr ControlRow Flag(Control id, int top, int tab_order) {
  return Row(id, K::Panel, GroupBox5, 5, top, 249, 25, "", tab_order, true, Bevel::Lowered);
}

constexpr std::array kTable{
    // The window's direct children.
    Row(Panel2, K::Panel, Form1, 8, 71, 897, 498, "", 0, false, Bevel::Raised),
    Row(GroupBox6, K::GroupBox, Form1, 8, 8, 209, 57, "Состояние подключения", 1),
    Row(Panel1, K::Panel, Form1, 283, 422, 574, 119, "", 2, false, Bevel::Raised),
    Row(GroupBox4, K::GroupBox, Form1, 432, 8, 465, 57, "Версия ПО и CRC", 3, false),
    // Connection state.
    Row(Label10, K::Label, GroupBox6, 35, 36, 158, 16, "Устройство не определено", -1),
    Row(Image1, K::Image, GroupBox6, 19, 36, 10, 10, "", -1),
    // The data panel.
    Row(GroupBox5, K::GroupBox, Panel2, 8, 12, 257, 181, "Флаги", 0),
    Row(GroupBox1, K::GroupBox, Panel2, 8, 196, 216, 293, "Данные настройки (EEPROM)", 1),
    Row(GroupBox2, K::GroupBox, Panel2, 230, 196, 179, 149, "Текущие данные", 2),
    Row(GroupBox3, K::GroupBox, Panel2, 271, 19, 138, 79, "Давление, кПа", 3),
    Row(Chart1, K::Chart, Panel2, 416, 8, 473, 481, "", 4),
    Row(Button7, K::Button, Panel2, 271, 104, 138, 28, "Подстройка \"0\"", 5),
    // Status flags, top to bottom.
    Flag(Panel4, 24, 4),
    Flag(FlagNastroiki, 55, 0),
    Flag(FlagPorog1, 86, 2),
    Flag(FlagPorog2, 117, 1),
    Flag(FlagPorog3, 148, 3),
    // Settings stored in the sensor.
    Row(Label13, K::Label, GroupBox1, 40, 34, 62, 16, "U нуля, мв", -1),
    Row(Edit12, K::ReadOnlyEdit, GroupBox1, 120, 28, 81, 24, "", 1),
    Row(Label14, K::Label, GroupBox1, 11, 64, 91, 16, "U давления, мв", -1),
    Row(Edit11, K::ReadOnlyEdit, GroupBox1, 120, 58, 81, 24, "", 0),
    Row(Label15, K::Label, GroupBox1, 44, 117, 58, 16, "Давление", -1),
    Row(MaskEdit4, K::MaskedField, GroupBox1, 119, 112, 44, 24, "2000", 8),
    Row(Label16, K::Label, GroupBox1, 61, 146, 41, 16, "Порог1", -1),
    Row(MaskEdit3, K::MaskedField, GroupBox1, 120, 142, 44, 24, "0   ", 7),
    Row(Label17, K::Label, GroupBox1, 61, 178, 41, 16, "Порог2", -1),
    Row(MaskEdit2, K::MaskedField, GroupBox1, 120, 172, 44, 24, "100 ", 6),
    Row(Label18, K::Label, GroupBox1, 61, 206, 41, 16, "Порог3", -1),
    Row(MaskEdit1, K::MaskedField, GroupBox1, 120, 202, 42, 24, "2000", 5),
    Row(Button2, K::Button, GroupBox1, 3, 233, 143, 25, "Запись по умолчанию", 4),
    Row(Button6, K::Button, GroupBox1, 152, 233, 61, 25, "Запись", 3),
    Row(Button9, K::Button, GroupBox1, 152, 264, 61, 25, "Чтение", 2),
    // Current data.
    Row(Edit13, K::ReadOnlyEdit, GroupBox2, 3, 44, 81, 24, "", 2),
    Row(Button5, K::Button, GroupBox2, 90, 25, 81, 28, "\"0\"", 0),
    Row(Button4, K::Button, GroupBox2, 90, 59, 81, 28, "Калибровка", 1),
    // Pressure.
    Row(Edit2, K::ReadOnlyEdit, GroupBox3, 24, 32, 89, 31, "", 0, true, Bevel::None, kPressureFont),
    // Firmware version and CRC32.
    Row(Panel3, K::Panel, GroupBox4, 11, 21, 361, 23, "", 0, true, Bevel::Lowered),
    Row(Button3, K::Button, GroupBox4, 378, 21, 84, 25, "Чтение", 1),
    // Diagnostics.
    Row(Label8, K::Label, Panel1, 8, 5, 37, 16, "Label8", -1),
    Row(Label1, K::Label, Panel1, 60, 5, 104, 16, "Id: неопределено", -1),
    Row(Label9, K::Label, Panel1, 8, 27, 37, 16, "Label9", -1),
    Row(Label6, K::Label, Panel1, 58, 27, 37, 16, "Label6", -1),
    Row(Label11, K::Label, Panel1, 8, 49, 44, 16, "Label11", -1),
    Row(Label12, K::Label, Panel1, 58, 49, 37, 13, "Label12", -1, true, Bevel::None, kSmallFont),
    Row(Button1, K::Button, Panel1, 149, 39, 105, 25, "Подстройка \"0\" k", 3),
    Row(LogMemo, K::Memo, Panel1, 260, 16, 207, 97, "", 0),
    Row(Button11, K::Button, Panel1, 473, 16, 81, 28, "Очистить ", 1),
    Row(Button8, K::Button, Panel1, 473, 50, 81, 25, "Timer ON", 2),
};

static_assert(kTable.size() == kControlCount - 2, "every control but Form1 and Series1 has a row");

}  // namespace

std::span<const ControlRow> ControlTable() {
  return kTable;
}

const ControlRow& RowOf(Control control) {
  for (const ControlRow& row : kTable) {
    if (row.id == control) return row;
  }
  throw std::out_of_range(std::string("no control table row for ") + ControlName(control));
}

int ControlId(Control control) {
  return 1000 + static_cast<int>(control);
}

const char* ControlName(Control control) {
  static constexpr const char* kNames[] = {
#define NP72_NAME(name) #name,
      NP72_CONTROLS(NP72_NAME)
#undef NP72_NAME
  };
  return kNames[static_cast<int>(control)];
}

}  // namespace np72
