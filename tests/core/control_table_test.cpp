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
  for (const ControlSpec& spec : ControlTable()) {
    EXPECT_TRUE(seen.contains(spec.parent)) << ControlName(spec.id) << " comes before its parent";
    EXPECT_TRUE(seen.insert(spec.id).second) << ControlName(spec.id) << " twice";
    EXPECT_TRUE(ids.insert(ControlId(spec.id)).second);
  }
  EXPECT_EQ(seen.size(), kControlCount - 1);  // all but Series1
}

TEST(ControlTable, OnlyTheConnectionGroupIsVisibleAtStart) {
  std::set<std::string> hidden;
  for (const ControlSpec& spec : ControlTable()) {
    if (!spec.visibleAtStart) hidden.insert(ControlName(spec.id));
  }
  EXPECT_EQ(hidden, (std::set<std::string>{"Panel1", "Panel2", "GroupBox4"}));
}

TEST(ControlTable, ChildrenLieInsideTheirParents) {
  for (const ControlSpec& spec : ControlTable()) {
    if (spec.parent == Control::Form1 || spec.kind == ControlKind::Label) continue;  // labels grow with their text
    const ControlSpec& parent = SpecOf(spec.parent);
    EXPECT_LE(spec.left + spec.width, parent.width) << ControlName(spec.id);
    EXPECT_LE(spec.top + spec.height, parent.height) << ControlName(spec.id);
  }
}

TEST(ControlTable, NamesAreTheFormsNames) {
  EXPECT_STREQ(ControlName(Control::FlagNastroiki), "FlagNastroiki");
  EXPECT_STREQ(ControlName(Control::Series1), "Series1");
  EXPECT_STREQ(SpecOf(Control::Button11).text, "Очистить ");
  EXPECT_THROW(SpecOf(Control::Series1), std::out_of_range);
}

}  // namespace
}  // namespace np72
