#include "mirsaclient/parameters/ParameterChecks.h"

#include <gtest/gtest.h>

namespace {

using namespace mirsa;

TEST(ParameterChecks, ThePlrTable) {
  struct Case {
    const char* plr;
    bool hundredOrMore;
    bool invalidCharacter;
  } cases[] = {
      {"100", true, false},    {"100.5", true, false},  {"125", true, false},
      {"1000", true, false},   {"99.99", false, false}, {"12", false, false},
      {"150.5", false, false}, {"10", false, false},    {"1O", false, true},
      {"9.5X", false, true},   {"", false, false},      {"100.", true, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsPlrHundredOrMore(c.plr), c.hundredOrMore) << c.plr;
    EXPECT_EQ(HasInvalidPlrCharacter(c.plr), c.invalidCharacter) << c.plr;
  }
}

TEST(ParameterChecks, MemberCodeGroupsLoseTheirLeadingZeros) {
  const MemberCodeGroups a = SplitMemberCode("000100020003");
  EXPECT_EQ(a.bank, "1");
  EXPECT_EQ(a.zone, "2");
  EXPECT_EQ(a.branch, "3");
  const MemberCodeGroups b = SplitMemberCode("000010200300");
  EXPECT_EQ(b.bank, "");
  EXPECT_EQ(b.zone, "1020");
  EXPECT_EQ(b.branch, "300");
}

TEST(ParameterChecks, TrimmingEmailIdsAndOneLineFields) {
  EXPECT_EQ(TrimBlanks("  a b \t"), "a b");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_TRUE(IsAcceptableEmailId(""));
  EXPECT_TRUE(IsAcceptableEmailId("a@b"));
  EXPECT_FALSE(IsAcceptableEmailId("a.b"));
  EXPECT_FALSE(IsAcceptableEmailId(" "));
  EXPECT_EQ(OneLineField("1 ROAD\r\nCAMP\nEAST\rSIDE"), "1 ROAD CAMP EAST SIDE");
  EXPECT_EQ(OneLineField("A|B||"), "AB");
  EXPECT_EQ(OneLineField("\r\n\r\n"), "  ");
}

}  // namespace
