#include "tallisk/member/AccountList.h"

#include <gtest/gtest.h>

#include "tallisk/member/MemberSearch.h"
#include "tests/tallisk/TalliskFixture.h"

namespace {

using tallisk_test::TalliskTest;

class AccountListTest : public TalliskTest {
 protected:
  tallisk::AccountList LoadList(const std::string& text) {
    WriteText("tvpans.txt", text);
    tallisk::AccountList list;
    result = list.Load(Path("tvpans.txt"));
    return list;
  }
  tallisk::AccountList::LoadResult result;
};

TEST_F(AccountListTest, LoadsTrimmedFieldsAndSkipsBlankLines) {
  const auto list = LoadList(
      " 001200340056 | TV200312345 | 15/06/2003 |ABC Industries | 500000|200000|extra\n"
      "   \n"
      "\n"
      "001200340056|TV200400001||Deccan Prints|300000|100000\n");
  ASSERT_TRUE(result.ok);
  EXPECT_TRUE(list.loaded());
  ASSERT_EQ(list.size(), 2u);
  const tallisk::AccountEntry& e = list.entry(0);
  EXPECT_EQ(e.memberId, "001200340056");
  EXPECT_EQ(e.tvpan, "TV200312345");
  EXPECT_EQ(e.coverStartDate, "15/06/2003");
  EXPECT_EQ(e.borrowerName, "ABC Industries");
  EXPECT_EQ(e.termCreditSanctioned, "500000");
  EXPECT_EQ(e.workingCapitalSanctioned, "200000");
  EXPECT_EQ(list.entry(1).coverStartDate, "");
}

TEST_F(AccountListTest, FindsTheFirstEntryOfATvpanWithoutRegardToCase) {
  const auto list = LoadList(
      "001200340056|TV200312345|15/06/2003|First|1|1\n"
      "001200340056|tv200312345|15/06/2003|Second|1|1\n"
      "001200340056|TV200312346|15/06/2003|Third|1|1\n");
  EXPECT_EQ(list.FindTvpan("TV200312345"), 0u);
  EXPECT_EQ(list.FindTvpan(" tV200312345  "), 0u);
  EXPECT_EQ(list.FindTvpan("TV200312346"), 2u);
  EXPECT_FALSE(list.FindTvpan("TV200399999").has_value());
  EXPECT_FALSE(list.FindTvpan("").has_value());
}

TEST_F(AccountListTest, KnowsMembersAndTheBranchesOfABankLevelMember) {
  const auto list = LoadList(tallisk_test::kAccountList);
  EXPECT_TRUE(list.MemberKnown("001200340056", "001200340056"));
  EXPECT_TRUE(list.MemberKnown("001200340057", "001200340056"));
  EXPECT_FALSE(list.MemberKnown("001200340058", "001200340056"));
  // A bank-level member stands for every branch of its bank.
  EXPECT_TRUE(list.MemberKnown("001200000000", "001200000000"));
  EXPECT_TRUE(list.MemberKnown("001211112222", "001200000000"));
  EXPECT_FALSE(list.MemberKnown("007700000000", "007700000000"));
}

TEST_F(AccountListTest, KnowsTheTvpansOfABankWithRegardToCase) {
  const auto list = LoadList(tallisk_test::kAccountList);
  EXPECT_TRUE(list.TvpanOfBank("0012", "TV200312345"));
  EXPECT_TRUE(list.TvpanOfBank("0012", " TV200377777 "));  // another branch of the bank
  EXPECT_FALSE(list.TvpanOfBank("0012", "tv200312345"));
  EXPECT_FALSE(list.TvpanOfBank("0012", "TV200388888"));  // another bank's account
  EXPECT_TRUE(list.TvpanOfBank("0099", "TV200388888"));
}

TEST_F(AccountListTest, WithoutAListEveryLookUpGivesWay) {
  tallisk::AccountList list;
  EXPECT_FALSE(list.loaded());
  EXPECT_TRUE(list.MemberKnown("999999999999", "001200340056"));
  EXPECT_TRUE(list.TvpanOfBank("0012", "anything"));
  EXPECT_FALSE(list.FindTvpan("TV200312345").has_value());
  EXPECT_EQ(list.size(), 0u);
}

TEST_F(AccountListTest, AShortLineFailsTheLoadAndKeepsTheEntriesBeforeIt) {
  auto list = LoadList(
      "001200340056|TV200312345|15/06/2003|ABC Industries|500000|200000\n"
      "001200340056|TV200312346|15/06/2003|Bharat Castings|500000\n"
      "001200340056|TV200312347|15/06/2003|Coastal Foods|500000|200000\n");
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.errorDescription, "Line 2 of tvpans.txt has fewer than six fields");
  EXPECT_FALSE(list.loaded());
  EXPECT_EQ(list.size(), 0u);
  ASSERT_EQ(list.entries().size(), 1u);
  EXPECT_EQ(list.entries()[0].tvpan, "TV200312345");
}

TEST_F(AccountListTest, AMissingFileFailsTheLoad) {
  tallisk::AccountList list;
  list.SetLoaded(true);
  const auto missing = list.Load(Path("tvpans.txt"));
  EXPECT_FALSE(missing.ok);
  EXPECT_EQ(missing.errorDescription, "File not found: tvpans.txt");
  EXPECT_FALSE(list.loaded());
}

TEST(MemberSearch, ComparesTheFirstFieldAsWritten) {
  EXPECT_TRUE(tallisk::LineOfMember("001200340056|TV1|...", "001200340056"));
  EXPECT_FALSE(tallisk::LineOfMember(" 001200340056|TV1|...", "001200340056"));
  EXPECT_FALSE(tallisk::LineOfMember("001200340056 |TV1|...", "001200340056"));
  EXPECT_FALSE(tallisk::LineOfMember("001200340057|TV1|...", "001200340056"));
  EXPECT_TRUE(tallisk::LineOfMember("001299998888|TV1|...", "001200000000"));
  EXPECT_FALSE(tallisk::LineOfMember("001399998888|TV1|...", "001200000000"));
  EXPECT_TRUE(tallisk::IsBankLevel("001200000000"));
  EXPECT_FALSE(tallisk::IsBankLevel("001200000001"));
}

}  // namespace
