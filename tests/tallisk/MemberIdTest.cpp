// The start of the calculator and the member ID dialog.
#include <gtest/gtest.h>

#include "tallisk/member/StartUp.h"
#include "tallisk/member/dlgMemid.h"
#include "tallisk/member/dlgMemidLayout.h"
#include "tests/tallisk/TalliskFixture.h"

namespace {

using tallisk_test::kAccountList;
using tallisk_test::TalliskTest;
namespace memid = tallisk::memid;
namespace periodical = tallisk::periodical;

const std::string kQuestionFor001200340056 =
    "You Entered the member ID as 0012-0034-0056\r\n"
    "Please Verify Your Member ID again. Do you wish to modify?";

ui::ExpectedBox Question(const std::string& text) {
  return {.text = text,
          .caption = "Important!",
          .icon = ui::Icon::Warning,
          .buttons = ui::Buttons::YesNo};
}

class StartUpTest : public TalliskTest {
 protected:
  void TypeMemberId(const std::string& bank, const std::string& zone, const std::string& branch) {
    // Clicking into a box selects its text; typing replaces it.
    driver.Click(std::string(memid::txtBankID))
        .Keys(bank)
        .Click(std::string(memid::txtZoneID))
        .Keys(zone)
        .Click(std::string(memid::txtBranchID))
        .Keys(branch)
        .Click(std::string(memid::OKButton));
  }
  // The step that checks the dialog's boxes while it runs.
  void ExpectBoxes(const std::string& bank, const std::string& zone, const std::string& branch) {
    driver.Do([=](ui::Dialog& d) {
      EXPECT_EQ(d.control(memid::txtBankID).text(), bank);
      EXPECT_EQ(d.control(memid::txtZoneID).text(), zone);
      EXPECT_EQ(d.control(memid::txtBranchID).text(), branch);
    });
  }
  tallisk::TalliskApp app{toolkit, dir.path()};
};

TEST(dlgMemid, PadsAnIdToFourCharacters) {
  EXPECT_EQ(tallisk::dlgMemid::PaddedId("12"), "0012");
  EXPECT_EQ(tallisk::dlgMemid::PaddedId(""), "0000");
  EXPECT_EQ(tallisk::dlgMemid::PaddedId("5"), "0005");
  EXPECT_EQ(tallisk::dlgMemid::PaddedId("123"), "0123");
  EXPECT_EQ(tallisk::dlgMemid::PaddedId("1234"), "1234");
  EXPECT_EQ(tallisk::dlgMemid::PaddedId(" 12 "), "0012");
  EXPECT_EQ(tallisk::dlgMemid::PaddedId("12345"), "12345");
}

TEST_F(StartUpTest, LeavingABoxPadsItAndTheAcceptedMemberCutsTheListDown) {
  WriteText("tvpans.txt", kAccountList);
  driver.Type(std::string(memid::txtBankID), "12")
      .Tab()
      .Tab()  // the zone box left empty
      .Do([](ui::Dialog& d) {
        EXPECT_EQ(d.control(memid::txtBankID).text(), "0012");
        EXPECT_EQ(d.control(memid::txtZoneID).text(), "0000");
      })
      .Click(std::string(memid::txtZoneID))
      .Keys("34")
      .Click(std::string(memid::txtBranchID))
      .Keys("56")
      .Click(std::string(memid::OKButton))
      .Answer(Question(kQuestionFor001200340056), ui::Answer::No);
  ASSERT_TRUE(app.Start());
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_EQ(app.session().currentMemberId, "001200340056");
  ASSERT_NE(app.mainForm(), nullptr);
  EXPECT_EQ(app.mainForm()->control(periodical::lblListSize).text(), " of 4");
  EXPECT_EQ(ReadRaw("tvpans.txt"),
            "001200340056|TV200312345|15/06/2003|ABC Industries|500000|200000\r\n"
            "001200340056|TV200312346|15/06/2003|Bharat Castings|500000|200000\r\n"
            "001200340056|TV200312347|15/06/2003|Coastal Foods|500000|200000\r\n"
            "001200340056|TV200400001||Deccan Prints|300000|100000\r\n");
  EXPECT_FALSE(Exists("temp.txt"));
}

TEST_F(StartUpTest, EnterPadsTheBoxItIsPressedIn) {
  WriteText("tvpans.txt", kAccountList);
  driver.Type(std::string(memid::txtBankID), "12")
      .Type(std::string(memid::txtZoneID), "34")
      .Type(std::string(memid::txtBranchID), "56")
      .Press(ui::Key{ui::Key::kEnter})
      .Answer(Question(kQuestionFor001200340056), ui::Answer::No);
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(app.session().currentMemberId, "001200340056");
}

TEST_F(StartUpTest, TheBoxesTakeDigitsOnlyAndTheZoneAndBranchBoxesBeep) {
  WriteText("tvpans.txt", kAccountList);
  driver.Type(std::string(memid::txtBankID), "1a2.")
      .Do([this](ui::Dialog& d) {
        EXPECT_EQ(d.control(memid::txtBankID).text(), "12");
        EXPECT_TRUE(driver.sounds().empty());  // the bank box drops keys silently
      })
      .Type(std::string(memid::txtZoneID), "3x4")
      .Type(std::string(memid::txtBranchID), "5-6")
      .Do([this](ui::Dialog& d) {
        EXPECT_EQ(d.control(memid::txtZoneID).text(), "0034");  // padded when left
        EXPECT_EQ(d.control(memid::txtBranchID).text(), "56");
        EXPECT_EQ(driver.sounds().size(), 2u);
      })
      .Click(std::string(memid::CancelButton));
  EXPECT_FALSE(app.Start());
}

TEST_F(StartUpTest, YesToTheQuestionEmptiesTheBoxesForAnotherTry) {
  WriteText("tvpans.txt", kAccountList);
  TypeMemberId("12", "34", "56");
  driver.Answer(Question(kQuestionFor001200340056), ui::Answer::Yes);
  ExpectBoxes("", "", "");
  driver.Do([](ui::Dialog& d) { EXPECT_EQ(d.focus(), &d.control(memid::txtBankID)); });
  TypeMemberId("12", "34", "57");
  driver.Answer(Question("You Entered the member ID as 0012-0034-0057\r\n"
                         "Please Verify Your Member ID again. Do you wish to modify?"),
                ui::Answer::No);
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(app.session().currentMemberId, "001200340057");
}

TEST_F(StartUpTest, AnUnknownMemberIdIsRefused) {
  WriteText("tvpans.txt", kAccountList);
  TypeMemberId("12", "34", "99");
  driver.Answer("Invalid Member ID", "Tallisk");
  ExpectBoxes("", "", "");
  driver.Click(std::string(memid::CancelButton));
  EXPECT_FALSE(app.Start());
  EXPECT_EQ(app.mainForm(), nullptr);
  EXPECT_EQ(ReadRaw("tvpans.txt"), platform::ToTextMode(kAccountList));  // not cut down
}

TEST_F(StartUpTest, ABankLevelIdIsAcceptedForAnyBranchAndKeepsThemAll) {
  WriteText("tvpans.txt", kAccountList);
  TypeMemberId("12", "", "");
  driver.Answer(Question("You Entered the member ID as 0012-0000-0000\r\n"
                         "Please Verify Your Member ID again. Do you wish to modify?"),
                ui::Answer::No);
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(app.session().currentMemberId, "001200000000");
  EXPECT_EQ(app.mainForm()->control(periodical::lblListSize).text(), " of 5");
  const std::string list = ReadRaw("tvpans.txt");
  EXPECT_NE(list.find("001200340057|TV200377777"), std::string::npos);
  EXPECT_EQ(list.find("009900010001"), std::string::npos);
}

TEST_F(StartUpTest, TheHeaderFileOfTheYearNamesTheMember) {
  WriteText("tvpans.txt", kAccountList);
  WriteText("header2004.txt", "001200340056|0|0|March 31, 2004|\n");
  ASSERT_TRUE(app.Start());
  EXPECT_TRUE(driver.shownWindows().size() == 1);  // the form alone, no dialog
  EXPECT_EQ(app.session().currentMemberId, "001200340056");
  EXPECT_EQ(app.mainForm()->control(periodical::txtBranchID).text(), "0056");
}

TEST_F(StartUpTest, AHeaderFileOfLastYearDoesNotCount) {
  WriteText("tvpans.txt", kAccountList);
  WriteText("header2003.txt", "001200340056|2|6378|March 31, 2003|\n");
  driver.Do([](ui::Dialog& d) { EXPECT_EQ(d.caption(), "Please enter your Member ID"); })
      .Click(std::string(memid::CancelButton));
  EXPECT_FALSE(app.Start());
  EXPECT_TRUE(driver.scriptDone());
}

TEST_F(StartUpTest, WithoutAListTheMemberStartsWithNone) {
  TypeMemberId("12", "34", "56");
  driver.Answer(Question(kQuestionFor001200340056), ui::Answer::No)
      .Answer("TVPANS file missing\r\nPlease Contact TALVO", "Tallisk")
      .Answer("File not found: tvpans.txt", "Tallisk")
      .Answer("TVPANS.TXT is missing.", "Tallisk");
  ASSERT_TRUE(app.Start());
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_FALSE(app.session().accounts.loaded());
  EXPECT_EQ(app.mainForm()->control(periodical::lblListSize).text(), " of 0");
}

}  // namespace
