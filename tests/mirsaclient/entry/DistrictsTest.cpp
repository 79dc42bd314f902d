#include "mirsaclient/entry/Districts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "mirsaclient/resources/ApplicationFormIds.h"
#include "tests/mirsaclient/entry/EntryFixture.h"

namespace {

using mirsa::IDC_DISTRICT;
using mirsa::IDC_STATE;
using Items = std::vector<std::string>;

class Districts : public mirsa_test::EntryTest {
 protected:
  ui::Control& states() { return form.control(IDC_STATE); }
  ui::Control& districts() { return form.control(IDC_DISTRICT); }
  // Writes the districts file in text mode, as an editor of the branch would.
  static void WriteDistricts(const std::string& text) {
    std::string file;
    for (char c : text) {
      if (c == '\n') file.push_back('\r');
      file.push_back(c);
    }
    mirsa_test::WriteBytes("DISTRICTS.TXT", file);
  }
  Items DistrictsOf(const std::string& state) {
    EXPECT_TRUE(mirsa::LoadDistrictList(districts(), state));
    return districts().items();
  }
};

TEST_F(Districts, OneStateWithTwoDistricts) {
  WriteDistricts("GOA|SOUTH GOA|NORTH GOA\nEND\n");
  EXPECT_TRUE(mirsa::DistrictsFileAvailable());
  ASSERT_TRUE(mirsa::LoadStateList(states()));
  EXPECT_EQ(states().items(), Items{"GOA"});
  EXPECT_EQ(states().text(), "GOA") << "item 0 is selected";
  EXPECT_EQ(DistrictsOf("GOA"), (Items{"NORTH GOA", "SOUTH GOA"})) << "kept sorted";
}

TEST_F(Districts, AFileThatBeginsWithTheTrailerHoldsNoState) {
  WriteDistricts("END\nGOA|NORTH GOA\n");
  ASSERT_TRUE(mirsa::LoadStateList(states()));
  EXPECT_TRUE(states().items().empty());
  EXPECT_EQ(states().selection(), -1);
  EXPECT_TRUE(DistrictsOf(states().text()).empty());
}

TEST_F(Districts, ATrailingSeparatorGivesOneEmptyDistrict) {
  WriteDistricts("LADAKH|\n");
  ASSERT_TRUE(mirsa::LoadStateList(states()));
  EXPECT_EQ(states().items(), Items{"LADAKH"});
  EXPECT_EQ(DistrictsOf("LADAKH"), Items{""});
}

TEST_F(Districts, StatesAreComparedAndSortedWithoutRegardToCase) {
  WriteDistricts("delhi|SHAHDARA|new delhi\nASSAM|MAJULI\nChandigarh|CHANDIGARH\n");
  ASSERT_TRUE(mirsa::LoadStateList(states()));
  EXPECT_EQ(states().items(), (Items{"ASSAM", "Chandigarh", "delhi"}));
  EXPECT_EQ(DistrictsOf("DELHI"), (Items{"new delhi", "SHAHDARA"}));
  EXPECT_EQ(DistrictsOf("chandigarh"), Items{"CHANDIGARH"});
  EXPECT_TRUE(DistrictsOf("GOA").empty()) << "a state without a line has no district";
  EXPECT_TRUE(DistrictsOf("DEL").empty()) << "the whole name must match";
}

TEST_F(Districts, AStateOnTwoLinesHasTheDistrictsOfBoth) {
  WriteDistricts("KERALA|KOLLAM|IDUKKI\nGOA|NORTH GOA\nKerala|WAYANAD\nEND\nKERALA|JUNK\n");
  ASSERT_TRUE(mirsa::LoadStateList(states()));
  EXPECT_EQ(states().items(), (Items{"GOA", "KERALA", "Kerala"}));
  EXPECT_EQ(DistrictsOf("Kerala"), (Items{"IDUKKI", "KOLLAM", "WAYANAD"}));
}

TEST_F(Districts, WithoutTheFileEveryLoadFailsAndTheCombosKeepWhatTheyHad) {
  EXPECT_FALSE(mirsa::DistrictsFileAvailable());
  states().AddItem("GOA");
  EXPECT_FALSE(mirsa::LoadStateList(states()));
  EXPECT_EQ(states().items(), Items{"GOA"});
  districts().AddItem("NORTH GOA");
  EXPECT_FALSE(mirsa::LoadDistrictList(districts(), "GOA"));
  EXPECT_TRUE(districts().items().empty()) << "the list is emptied before the file is opened";
}

TEST_F(Districts, TheFileNameIsFoundWhateverItsCase) {
  mirsa_test::WriteBytes("districts.txt", "GOA|NORTH GOA\r\n");
  EXPECT_TRUE(mirsa::DistrictsFileAvailable());
  EXPECT_EQ(DistrictsOf("GOA"), Items{"NORTH GOA"});
}

TEST_F(Districts, TheShippedFileHoldsEveryStateAndDistrict) {
  mirsa_test::CopyShippedDistricts();
  ASSERT_TRUE(mirsa::LoadStateList(states()));
  const Items all = states().items();
  EXPECT_EQ(all.size(), 36u);
  EXPECT_EQ(all.front(), "ANDAMAN AND NICOBAR ISLANDS");
  std::size_t count = 0;
  for (const std::string& state : all) {
    const Items of = DistrictsOf(state);
    EXPECT_FALSE(of.empty()) << state;
    for (const std::string& district : of) EXPECT_FALSE(district.empty()) << state;
    count += of.size();
  }
  EXPECT_EQ(count, 777u);
  const Items maharashtra = DistrictsOf("MAHARASHTRA");
  EXPECT_NE(std::find(maharashtra.begin(), maharashtra.end(), "PUNE"), maharashtra.end());
}

TEST_F(Districts, ChoosingAStateLoadsItsDistricts) {
  WriteDistricts("GOA|SOUTH GOA|NORTH GOA\nKERALA|KOLLAM\n");
  ASSERT_TRUE(mirsa::LoadStateList(states()));
  form.On(IDC_STATE, ui::Event::SelChange, [this] { mirsa::OnStateChanged(form); });
  form.Create();
  driver.Choose(IDC_STATE, 1, mirsa::IDD_APPLICATION_FORM);
  driver.Play(form);
  EXPECT_EQ(districts().items(), Items{"KOLLAM"});
  EXPECT_EQ(districts().text(), "KOLLAM");
  EXPECT_TRUE(driver.boxes().empty());
}

TEST_F(Districts, ChoosingAnEmptyStateAsksForOne) {
  WriteDistricts("|NO STATE\nGOA|NORTH GOA\n");
  ASSERT_TRUE(mirsa::LoadStateList(states()));
  ASSERT_EQ(states().items(), (Items{"", "GOA"}));
  form.On(IDC_STATE, ui::Event::SelChange, [this] { mirsa::OnStateChanged(form); });
  form.Create();
  driver.Choose(IDC_STATE, 1, mirsa::IDD_APPLICATION_FORM)
      .Focus(mirsa::IDC_CITY, mirsa::IDD_APPLICATION_FORM)
      .Choose(IDC_STATE, 0, mirsa::IDD_APPLICATION_FORM)
      .Answer({.text = "Please Select a State",
               .caption = "TALVO",
               .icon = ui::Icon::None,
               .buttons = ui::Buttons::Ok});
  driver.Play(form);
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_EQ(form.focus(), &states());
  EXPECT_EQ(districts().items(), Items{"NO STATE"});
  EXPECT_EQ(districts().selection(), 0);
}

}  // namespace
