// The window's definition holds together: both front-ends build from it.
#include "window/control_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace np72 {
namespace {

TEST(ControlTable, EveryControlHasOneRowAfterItsParent) {
  std::set<Control> seen{Control::Form1};
  std::set<int> ids;
  for (const ControlRow& row : ControlTable()) {
    EXPECT_TRUE(seen.contains(row.parent)) << ControlName(row.id) << " comes before its parent";
    EXPECT_TRUE(seen.insert(row.id).second) << ControlName(row.id) << " twice";
    EXPECT_TRUE(ids.insert(ControlId(row.id)).second);
  }
  EXPECT_EQ(seen.size(), kControlCount - 1);  // all but Series1
}

TEST(ControlTable, OnlyTheConnectionGroupIsVisibleAtStart) {
  std::set<std::string> hidden;
  for (const ControlRow& row : ControlTable()) {
    if (!row.visibleAtStart) hidden.insert(ControlName(row.id));
  }
  EXPECT_EQ(hidden, (std::set<std::string>{"Panel1", "Panel2", "GroupBox4"}));
}

TEST(ControlTable, ChildrenLieInsideTheirParents) {
  for (const ControlRow& row : ControlTable()) {
    if (row.parent == Control::Form1 || row.kind == ControlKind::Label) continue;  // labels grow with their text
    const ControlRow& parent = RowOf(row.parent);
    EXPECT_LE(row.left + row.width, parent.width) << ControlName(row.id);
    EXPECT_LE(row.top + row.height, parent.height) << ControlName(row.id);
  }
}

TEST(ControlTable, NamesAreTheFormsNames) {
  EXPECT_STREQ(ControlName(Control::FlagNastroiki), "FlagNastroiki");
  EXPECT_STREQ(ControlName(Control::Series1), "Series1");
  EXPECT_STREQ(RowOf(Control::Button11).text, "Очистить ");
  EXPECT_THROW(RowOf(Control::Series1), std::out_of_range);
}

}  // namespace
}  // namespace np72
