// Withholding names through "Disable_Features".
#include "support/kit.h"

#include "frame/plugin.h"

namespace {

TEST(WithholdFeatures, RemovesNamedEntriesWithTheirSeparator) {
  const struct { std::u16string list, disabled, expected; } kTable[] = {
      {u"@a,@b,_c,qcal", u"", u"@a,@b,_c,qcal"}, {u"@a,@b,_c,qcal", u"@B", u"@a,_c,qcal"},
      {u"@a,@b,_c,qcal", u"@a", u"@b,_c,qcal"},
      {u"@a,@b,_c,qcal", u"QCAL", u"@a,@b,_c"},  // the last name leaves no trailing comma
      {u"@a,@b,_c,qcal", u"@a;qcal  _c", u"@b"},
      {u"@a,@b,_c,qcal", u"a", u"@a,@b,_c,qcal"},  // names keep their "@"
      {u"@a,@b,_c,qcal", u"@ab,@", u"@a,@b,_c,qcal"}, {u"@a,@b,_c,qcal", u",,; ;", u"@a,@b,_c,qcal"},
      {u"@a,@b,_c,qcal", u"@a,@b,_c,qcal", u""}, {u"@a,@b,_c,qcal", u"qcal,qcal,@a", u"@b,_c"}, {u"", u"@a", u""},
      {u"@a;@b", u"@b", u"@a"},
  };
  for (const auto& row : kTable) {
    std::u16string list = row.list;
    WithholdFeatures(list, row.disabled);
    EXPECT_EQ(list, row.expected) << "list " << Narrow(row.list) << " disabled [" << Narrow(row.disabled) << "]";
  }
}

}  // namespace
