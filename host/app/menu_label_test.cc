// Tests of the access key conversion.
#include "host/app/menu_label.h"

#include <gtest/gtest.h>

namespace vmx::host {
namespace {

TEST(MenuLabelTest, AmpersandBecomesGtkMnemonic) {
  struct Case {
    std::string in, out;
  } cases[] = {
      {"文件(&F)", "文件(_F)"}, {"关于 幻格制作工具(&A)...", "关于 幻格制作工具(_A)..."},
      {"刷新", "刷新"},         {"A && B", "A & B"},
      {"a_b(&X)", "a__b(_X)"},  {"end&", "end_"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(MenuLabel(c.in), c.out);
  }
}

}  // namespace
}  // namespace vmx::host
