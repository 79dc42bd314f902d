// The entry form: loading, field entry, the record checks, the commands and the year files.
#include <gtest/gtest.h>

#include <functional>

#include "tallisk/member/StartUp.h"
#include "tallisk/member/dlgMemidLayout.h"
#include "tests/tallisk/TalliskFixture.h"

namespace {

using namespace tallisk::periodical;
using tallisk_test::DataLine;
using tallisk_test::FormTest;

std::string S(std::string_view name) {
  return std::string(name);
}

const std::string kThreeRecords = DataLine("TV200312345", "ABC Industries") + "\n" +
                                  DataLine("TV200312346", "Bharat Castings") + "\n" +
                                  DataLine("TV200312347", "Coastal Foods") + "\n";
const std::string kHeaderOfThree = "001200340056|3|9567|March 31, 2004|\n";

class PeriodicalData : public FormTest {};

TEST_F(PeriodicalData, OpensBrowsingWithTheYearAndTheListSize) {
  toolkit.SetClipboardText("copied before");
  Open();
  EXPECT_EQ(toolkit.clipboardText(), "");
  EXPECT_EQ(form->caption(), "TALVO - Tallisk");
  EXPECT_EQ(Text(fraOutstanding), "Outstanding As on March 31, 2004");
  EXPECT_EQ(Text(lblListSize), " of 6");
  EXPECT_EQ(Text(txtBankID) + Text(txtZoneID) + Text(txtBranchID), "001200340056");
  EXPECT_FALSE(form->control(txtTVPAN).isEffectivelyEnabled());
  EXPECT_FALSE(form->control(txtBankID).isEffectivelyEnabled());
  EXPECT_EQ(Text(cmbStatus), "Standard");
  EXPECT_TRUE(form->control(opRegNo).checked());
  EXPECT_EQ(Text(lblRecordCount), "0");
  EXPECT_EQ(form->focus(), &form->control(cmdAddSave));
  EXPECT_TRUE(Exists("output"));
  EXPECT_EQ(form->control("lblTVPAN").tip(),
            "The number alloted by TALVO for this borrowal account");
  EXPECT_EQ(form->control(cmdDelete).tip(), "Press Alt+D to perform this operation");
  EXPECT_FALSE(form->control(txtMemberID).visible());
  // The payment frame waits for its button.
  EXPECT_TRUE(form->control(cmdPmtDetails).enabled());
  EXPECT_FALSE(form->control(fraPayment).visible());
}

TEST_F(PeriodicalData, ThreeRecordsMakeTheHeaderDataAndOutputFiles) {
  Open();
  for (const char* digits : {"312345", "312346", "312347"}) QueueRecord(digits);
  Play();
  EXPECT_EQ(ReadRaw("header2004.txt"), "001200340056|3|9567|March 31, 2004|\r\n");
  const std::string data = DataLine("TV200312345", "ABC Industries") + "\r\n" +
                           DataLine("TV200312346", "Bharat Castings") + "\r\n" +
                           DataLine("TV200312347", "Coastal Foods") + "\r\n";
  EXPECT_EQ(ReadRaw("data2004.txt"), data);
  EXPECT_EQ(Text(lblTotalFee), "9567");
  EXPECT_EQ(Text(lblRecordCount), "3");
  EXPECT_EQ(Text(lblRecordNo), "3");
  EXPECT_EQ(Text(txtTVPAN), "TV200312347");
  EXPECT_EQ(Text(cmdAddSave), "&Add");
  EXPECT_EQ(Text(cmdCancelClose), "&Close");
  EXPECT_FALSE(Exists("output/0012003400562004.out"));

  driver.Click(S(cmdCancelClose));
  EXPECT_THROW(Play(), ui::ProcessEnd);
  EXPECT_EQ(ReadRaw("output/0012003400562004.out"),
            "001200340056|3|9567|March 31, 2004|\r\n" + data);
}

TEST_F(PeriodicalData, LoadingReadsTheYearFilesAndTheScrollBarBrowses) {
  WriteText("header2004.txt", kHeaderOfThree);
  WriteText("data2004.txt", kThreeRecords);
  Open();
  EXPECT_EQ(Text(lblRecordCount), "3");
  EXPECT_EQ(Text(lblTotalFee), "9567");
  EXPECT_EQ(Text(lblRecordNo), "3");
  EXPECT_EQ(Text(txtTVPAN), "TV200312347");
  EXPECT_EQ(form->control(scrRec).minimum(), 1);
  EXPECT_EQ(form->control(scrRec).maximum(), 3);
  driver.Scroll(S(scrRec), 1);
  Play();
  EXPECT_EQ(Text(lblRecordNo), "1");
  EXPECT_EQ(Text(txtTVPAN), "TV200312345");
  EXPECT_EQ(Text(txtSSIName), "ABC Industries");
  EXPECT_EQ(Text(txtWorkingCapitalOS), "150000");
  EXPECT_EQ(Text(lblServiceFee), "3189");
  EXPECT_EQ(Text(lblGCStatus), "Guarantee Cover Started on 15/06/2003");
}

TEST_F(PeriodicalData, OneRecordIsShownAtLoadingWithItsOwnStatus) {
  WriteText("header2004.txt", "001200340056|1|3189|March 31, 2004|\n");
  WriteText("data2004.txt",
            "001200340056|TV200312345|ABC Industries|Main Branch|500000|250000|200000|150000|"
            "15/06/2003|3189|Y|Doubtful|Slow|\n");
  Open();
  EXPECT_EQ(Text(lblRecordNo), "1");
  EXPECT_EQ(Text(txtTVPAN), "TV200312345");
  EXPECT_EQ(Text(cmbStatus), "Doubtful");
  EXPECT_TRUE(form->control(opRegYes).checked());
  EXPECT_EQ(Text(txtRemarks), "Slow");
}

TEST_F(PeriodicalData, LoadingSkipsBlankLinesAndStopsAtAShortOne) {
  WriteText("header2004.txt", kHeaderOfThree);
  WriteText("data2004.txt", DataLine("TV200312345", "ABC Industries") + "\n \n" +
                                "001200340056|TV200312346|Bharat|\n" +
                                DataLine("TV200312347", "Coastal Foods") + "\n");
  driver.Answer("invalid", "Tallisk");
  Open();
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_EQ(Text(lblRecordCount), "1");
  EXPECT_EQ(Text(lblTotalFee), "3189");
}

TEST_F(PeriodicalData, AHeaderWithInvalidIdsIsReported) {
  const struct {
    const char* header;
    ui::ExpectedBox box;
  } cases[] = {
      {"00AB00340056|1|3189|March 31, 2004|\n",
       {.text = "Header file contains Invalid Numbers\r\nRe-enter the MemberID",
        .caption = "Header File Error"}},
      {"0012|1|3189|March 31, 2004|\n",
       {.text = "Invalid IDs - Please Re-enter the MemberID", .caption = "Tallisk"}},
  };
  for (const auto& c : cases) {
    WriteText("header2004.txt", c.header);
    WriteText("data2004.txt", DataLine("TV200312345", "ABC Industries") + "\n");
    driver.Answer(c.box);
    Open();
    EXPECT_TRUE(driver.scriptDone()) << c.header;
    EXPECT_EQ(Text(txtBankID) + Text(txtZoneID) + Text(txtBranchID), "") << c.header;
    EXPECT_TRUE(form->records().empty()) << c.header;
  }
}

TEST_F(PeriodicalData, TheTvpanLookUpFillsTheAccountAndLeavingTheAmountsShowsTheFee) {
  Open();
  driver.Click(S(cmdAddSave))
      .Do([this](ui::Dialog&) {
        EXPECT_EQ(Text(txtTVPAN), "TV200");
        EXPECT_EQ(Text(cmdAddSave), "&Save");
        EXPECT_EQ(Text(cmdCancelClose), "&Cancel");
        EXPECT_FALSE(form->control(cmdEditSave).enabled());
        EXPECT_FALSE(form->control(scrRec).enabled());
      })
      .Keys("312345a")  // the TVPAN box takes digits only
      .Type(S(txtBranchName), "Main Branch")
      .Do([this](ui::Dialog&) {
        EXPECT_EQ(Text(txtTVPAN), "TV200312345");
        EXPECT_EQ(Text(txtSSIName), "ABC Industries");
        EXPECT_FALSE(form->control(txtSSIName).enabled());
        EXPECT_EQ(Text(txtMemberID), "001200340056");
        EXPECT_EQ(Text(txtTCApproved), "500000");
        EXPECT_EQ(Text(txtWCApproved), "200000");
        EXPECT_EQ(Text(lblGCStatus), "Guarantee Cover started on 15/06/2003");
        EXPECT_TRUE(driver.sounds().empty());
      })
      .Click(S(txtTermLoanOS))
      .Keys("250000")
      .Click(S(txtWorkingCapitalOS))
      .Keys("150000")
      .Tab()
      .Do([this](ui::Dialog&) { EXPECT_EQ(Text(lblServiceFee), "3189"); })
      .Press(ui::Key{ui::Key::kEscape})  // Escape presses Cancel
      .Do([this](ui::Dialog&) {
        EXPECT_EQ(Text(cmdAddSave), "&Add");
        EXPECT_EQ(Text(cmdCancelClose), "&Close");
        EXPECT_TRUE(form->control(cmdEditSave).enabled());
        EXPECT_FALSE(form->control(txtTVPAN).isEffectivelyEnabled());
      })
      .Click(S(cmdAddSave))
      .Keys("400001")
      .Type(S(txtBranchName), "Main Branch")
      .Click(S(txtTermLoanOS))
      .Keys("100000")
      .Tab();
  Play();
  EXPECT_EQ(Text(lblGCStatus), "Guarantee Cover not started as on March 31, 2004");
  EXPECT_EQ(Text(lblServiceFee), "0");
  EXPECT_FALSE(Exists("data2004.txt"));
}

TEST_F(PeriodicalData, ATvpanNotInTheListIsRefusedAtTheBranchName) {
  Open();
  driver.Click(S(cmdAddSave))
      .Keys("399999")
      .Click(S(txtBranchName))
      .Answer("Invalid TVPAN", "Tallisk");
  Play();
  EXPECT_EQ(form->focus(), &form->control(txtTVPAN));
  EXPECT_EQ(Text(txtTVPAN), "TV200");
}

TEST_F(PeriodicalData, TheTermCreditBoxAsksForTheBranchNameFirst) {
  Open();
  driver.Click(S(cmdAddSave))
      .Keys("312345")
      .Type(S(txtBranchName), "")
      .Click(S(txtTermLoanOS))
      .Answer("Please enter Branch Name", "Tallisk");
  Play();
  EXPECT_EQ(form->focus(), &form->control(txtBranchName));
}

TEST_F(PeriodicalData, TheWorkingCapitalBoxTakesOneDecimalPoint) {
  Open();
  driver.Click(S(cmdAddSave))
      .Keys("312345")
      .Type(S(txtBranchName), "Main Branch")
      .Click(S(txtWorkingCapitalOS))
      .Keys("12.5")
      .Do([this](ui::Dialog&) {
        EXPECT_EQ(Text(txtWorkingCapitalOS), "12.5");
        EXPECT_TRUE(driver.sounds().empty());
      })
      .Keys(".")
      .Do([this](ui::Dialog&) {
        EXPECT_EQ(Text(txtWorkingCapitalOS), "12.5");
        EXPECT_EQ(driver.sounds(), (std::vector<ui::Tone>{ui::Tone{0, 0}}));
      })
      .Keys("x")
      .Do([this](ui::Dialog&) { EXPECT_EQ(driver.sounds().size(), 2u); })
      .Press(ui::Key{ui::Key::kHome})
      .Keys("12349");  // the box stays at eight characters
  Play();
  EXPECT_EQ(Text(txtWorkingCapitalOS), "123412.5");
  EXPECT_EQ(form->control(txtWorkingCapitalOS).maxLength(), 8);
}

TEST_F(PeriodicalData, TheTermCreditBoxLiftsItsLimitForTheDecimals) {
  Open();
  driver.Click(S(cmdAddSave))
      .Keys("312345")
      .Type(S(txtBranchName), "Main Branch")
      .Click(S(txtTermLoanOS))
      .Keys("123456789")  // eight places
      .Keys(".25")
      .Do([this](ui::Dialog&) {
        EXPECT_EQ(Text(txtTermLoanOS), "12345678.25");
        EXPECT_TRUE(driver.sounds().empty());
      })
      .Keys(".");
  Play();
  EXPECT_EQ(Text(txtTermLoanOS), "12345678.25");
  EXPECT_EQ(driver.sounds().size(), 1u);
  EXPECT_EQ(form->control(txtTermLoanOS).maxLength(), 13);
}

TEST_F(PeriodicalData, AnOutstandingBoxTurnsTextThatIsNoNumberIntoZero) {
  Open();
  driver.Click(S(cmdAddSave)).Keys("312345").Type(S(txtBranchName), "Main Branch");
  Play();
  for (std::string_view box : {txtTermLoanOS, txtWorkingCapitalOS}) {
    driver.Paste(form->control(box).id(), "abc");
    Play();
    EXPECT_EQ(Text(box), "0") << box;
  }
  driver.Click(S(txtTermLoanOS)).Press(ui::Key{ui::Key::kBackspace});
  Play();
  EXPECT_EQ(Text(txtTermLoanOS), "0");
}

// A record that fails its checks is refused with the messages in order, and nothing is written.
struct CheckCase {
  const char* what;
  std::function<void(ui::ScriptDriver&)> entry;
  std::vector<std::string> messages;
};

class RecordCheck : public FormTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(RecordCheck, RefusesTheRecord) {
  const CheckCase& c = GetParam();
  WriteText("header2004.txt", "001200340056|1|3189|March 31, 2004|\n");
  WriteText("data2004.txt", DataLine("TV200312345", "ABC Industries") + "\n");
  Open();
  const std::string dataBefore = ReadRaw("data2004.txt");
  driver.Click(S(cmdAddSave));
  c.entry(driver);
  driver.Click(S(cmdAddSave));
  for (const std::string& m : c.messages) driver.Answer(m, "Tallisk");
  Play();
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_EQ(ReadRaw("data2004.txt"), dataBefore);
  EXPECT_EQ(Text(cmdAddSave), "&Save");
  EXPECT_EQ(form->focus(), &form->control(cmdCancelClose));
}

INSTANTIATE_TEST_SUITE_P(
    Checks, RecordCheck,
    ::testing::Values(
        CheckCase{"a TVPAN of six characters",
                  [](ui::ScriptDriver& d) { d.Keys("3"); },
                  {"Invalid TVPAN", "Not a valid Record"}},
        CheckCase{"a TVPAN of another bank",
                  [](ui::ScriptDriver& d) { d.Keys("388888").Type(S(txtBranchName), "Main"); },
                  {"Invalid TVPAN", "Not a valid Record"}},
        CheckCase{"no borrower name (the branch name was never reached)",
                  [](ui::ScriptDriver& d) { d.Keys("312346"); },
                  {"Please enter SSI Name", "Not a valid Record"}},
        CheckCase{"no branch name",
                  [](ui::ScriptDriver& d) { d.Keys("312346").Click(S(txtBranchName)); },
                  {"Please enter Branch Name", "Not a valid Record"}},
        CheckCase{"a TVPAN entered before, with another fault too",
                  [](ui::ScriptDriver& d) { d.Keys("312345"); },
                  {"Please enter SSI Name", "TVPAN Already entered", "Not a valid Record"}}),
    [](const ::testing::TestParamInfo<CheckCase>& param) {
      return "Case" + std::to_string(param.index);
    });

TEST_F(PeriodicalData, TheMemberIdIsCheckedWhenTheHeaderGaveNone) {
  WriteText("header2004.txt", "0012|0|0|March 31, 2004|\n");
  driver.Answer("Invalid IDs - Please Re-enter the MemberID", "Tallisk");
  Open();
  driver.Click(S(cmdAddSave))
      .Do([this](ui::Dialog&) { EXPECT_EQ(form->focus(), &form->control(txtBankID)); })
      .Keys("0012")
      .Click(S(txtZoneID))
      .Keys("0034")
      .Click(S(cmdAddSave))
      .Answer("Invalid MemberID", "Tallisk")  // no branch ID
      .Answer("Not a valid Record", "Tallisk")
      .Click(S(txtBranchID))
      .Keys("0099")
      .Click(S(txtTVPAN))
      .Keys("312345")
      .Click(S(cmdAddSave))
      .Answer("Invalid Member ID", "Tallisk")
      .Answer("Not a valid Record", "Tallisk");
  Play();
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_EQ(Text(txtBankID) + Text(txtZoneID) + Text(txtBranchID), "");
}

TEST_F(PeriodicalData, ATvpanEnteredBeforeInOtherLettersIsRefusedOnAdd) {
  WriteText("header2004.txt", "001200340056|1|3189|March 31, 2004|\n");
  WriteText("data2004.txt", DataLine("tv200312345", "ABC Industries") + "\n");
  Open();
  driver.Click(S(cmdAddSave))
      .Keys("312345")
      .Type(S(txtBranchName), "Main Branch")
      .Click(S(cmdAddSave))
      .Answer("TVPAN Already entered", "Tallisk")
      .Answer("Not a valid Record", "Tallisk");
  Play();
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_EQ(ReadRaw("data2004.txt"),
            platform::ToTextMode(DataLine("tv200312345", "ABC Industries") + "\n"));
}

TEST_F(PeriodicalData, ATvpanOfAnotherRecordInOtherLettersIsRefusedOnEdit) {
  const std::string data = DataLine("tv200312345", "ABC Industries") + "\n" +
                           DataLine("TV200312346", "Bharat Castings") + "\n";
  WriteText("header2004.txt", "001200340056|2|6378|March 31, 2004|\n");
  WriteText("data2004.txt", data);
  Open();
  driver.Click(S(cmdEditSave))
      .Click(S(txtTVPAN))
      .Keys("312345")  // replaces the selected digits after "TV200"
      .Click(S(cmdEditSave))
      .Answer("Invalid Record", "Tallisk");
  Play();
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_EQ(Text(txtTVPAN), "TV200312345");
  EXPECT_EQ(Text(cmdEditSave), "&Save");
  EXPECT_EQ(ReadRaw("data2004.txt"), platform::ToTextMode(data));
}

TEST_F(PeriodicalData, EditRecomputesTheFeeAndKeepsTheTotal) {
  WriteText("header2004.txt", kHeaderOfThree);
  WriteText("data2004.txt", kThreeRecords);
  Open();
  driver
      .Press(ui::Key{'e', false, false, true})  // Alt+E
      .Do([this](ui::Dialog&) {
        EXPECT_EQ(Text(cmdEditSave), "&Save");
        EXPECT_FALSE(form->control(cmdAddSave).enabled());
        EXPECT_FALSE(form->control(cmdDelete).enabled());
        EXPECT_TRUE(form->control(txtTVPAN).isEffectivelyEnabled());
      })
      .Click(S(txtWorkingCapitalOS))
      .Keys("0")
      .Click(S(cmdEditSave));
  Play();
  // 250000 for 291 days: 1993.15, so 1993; the total loses 3189 and gains 1993.
  EXPECT_EQ(Text(lblServiceFee), "1993");
  EXPECT_EQ(Text(lblTotalFee), "8371");
  EXPECT_EQ(Text(cmdEditSave), "&Edit");
  EXPECT_EQ(ReadRaw("header2004.txt"), "001200340056|3|8371|March 31, 2004|\r\n");
  EXPECT_TRUE(ReadRaw("data2004.txt")
                  .ends_with("|Coastal Foods|Main Branch|500000|250000|200000|0|15/06/2003|1993|N|"
                             "Standard||\r\n"));
  EXPECT_EQ(form->records().size(), 3u);
}

TEST_F(PeriodicalData, DeletingARecordRewritesTheFilesAndShowsTheLast) {
  WriteText("header2004.txt", kHeaderOfThree);
  WriteText("data2004.txt", kThreeRecords);
  Open();
  driver.Scroll(S(scrRec), 2)
      .Click(S(cmdDelete))
      .Answer({.text = "Delete the current record?",
               .caption = "Record Deletion",
               .buttons = ui::Buttons::YesNo},
              ui::Answer::Yes);
  Play();
  EXPECT_EQ(ReadRaw("data2004.txt"),
            platform::ToTextMode(DataLine("TV200312345", "ABC Industries") + "\n" +
                                 DataLine("TV200312347", "Coastal Foods") + "\n"));
  EXPECT_EQ(ReadRaw("header2004.txt"), "001200340056|2|6378|March 31, 2004|\r\n");
  EXPECT_EQ(Text(lblRecordNo), "2");
  EXPECT_EQ(Text(txtTVPAN), "TV200312347");
  EXPECT_EQ(form->control(scrRec).maximum(), 2);
}

TEST_F(PeriodicalData, DeletingTheOnlyRecordRemovesTheYearFiles) {
  WriteText("header2004.txt", "001200340056|1|3189|March 31, 2004|\n");
  WriteText("data2004.txt", DataLine("TV200312345", "ABC Industries") + "\n");
  WriteText("output/0012003400562004.out", "old\n");
  Open();
  driver.Click(S(cmdDelete))
      .Answer("Delete the current record?", "Record Deletion", ui::Answer::Yes);
  Play();
  EXPECT_FALSE(Exists("header2004.txt"));
  EXPECT_FALSE(Exists("data2004.txt"));
  EXPECT_FALSE(Exists("output"));
  EXPECT_EQ(Text(lblRecordCount), "0");
  EXPECT_EQ(Text(lblTotalFee), "0");
  driver.Click(S(cmdDelete)).Answer("No Current Record to Delete", "Tallisk");
  driver.Click(S(cmdEditSave)).Answer("No Current Record to Edit", "Tallisk");
  Play();

  // The next start asks for the member ID again.
  tallisk::TalliskApp next(toolkit, dir.path());
  driver.Do([](ui::Dialog& d) { EXPECT_EQ(d.caption(), "Please enter your Member ID"); })
      .Click(S(tallisk::memid::CancelButton));
  EXPECT_FALSE(next.Start());
  EXPECT_TRUE(driver.scriptDone());
}

TEST_F(PeriodicalData, ADataFileThatCannotBeWrittenKeepsTheRecordUnsaved) {
  Open();
  std::filesystem::create_directories(Path("data2004.txt/blocker"));
  QueueRecord("312345");
  driver.Answer("Some error occurred while saving the Data", "Tallisk")
      .Answer("Not a valid Record", "Tallisk");
  Play();
  EXPECT_TRUE(form->records().empty());
  EXPECT_EQ(Text(lblRecordCount), "0");
  EXPECT_EQ(Text(cmdAddSave), "&Save");
  // Once the file can be written, the same Save succeeds: the record did not count twice.
  std::filesystem::remove_all(Path("data2004.txt"));
  driver.Click(S(cmdAddSave));
  Play();
  EXPECT_EQ(form->records().size(), 1u);
  EXPECT_EQ(ReadRaw("header2004.txt"), "001200340056|1|3189|March 31, 2004|\r\n");
}

TEST_F(PeriodicalData, AHeaderFileThatCannotBeWrittenIsReported) {
  Open();
  std::filesystem::create_directories(Path("header2004.txt/blocker"));
  QueueRecord("312345");
  driver.Answer("Cannot write header2004.txt", "Tallisk")
      .Answer("Some error occurred while saving the Header Info", "Tallisk")
      .Answer("Not a valid Record", "Tallisk");
  Play();
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_EQ(ReadRaw("data2004.txt"), DataLine("TV200312345", "ABC Industries") + "\r\n");
}

TEST_F(PeriodicalData, WithoutAListTheBorrowerIsTyped) {
  driver.Answer("File not found: tvpans.txt", "Tallisk")
      .Answer("TVPANS.TXT is missing.", "Tallisk");
  Open(false);
  driver.Click(S(cmdAddSave))
      .Keys("312345")
      .Type(S(txtBranchName), "Main Branch")
      .Do([this](ui::Dialog&) { EXPECT_TRUE(form->control(txtSSIName).enabled()); })
      .Type(S(txtSSIName), "  Typed | Name  ")
      .Click(S(txtRemarks))
      .Keys("good")
      .Tab()
      .Do([this](ui::Dialog&) { EXPECT_EQ(form->focus(), &form->control(cmdAddSave)); })
      .Click(S(cmdAddSave));
  Play();
  EXPECT_TRUE(driver.scriptDone());
  EXPECT_EQ(ReadRaw("data2004.txt"),
            "|TV200312345|Typed  Name|Main Branch|0|0|0|0||0|N|Standard|good|\r\n");
  EXPECT_EQ(Text(lblListSize), " of 0");
}

TEST_F(PeriodicalData, TheCloseBoxWritesTheOutputFileAndEndsTheProgram) {
  WriteText("header2004.txt", kHeaderOfThree);
  WriteText("data2004.txt", kThreeRecords);
  Open();
  driver.CloseBox();
  EXPECT_THROW(Play(), ui::ProcessEnd);
  EXPECT_EQ(ReadRaw("output/0012003400562004.out"),
            platform::ToTextMode("001200340056|3|9567|March 31, 2004|\n" + kThreeRecords));
}

}  // namespace
