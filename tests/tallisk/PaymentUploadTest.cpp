// The payment details and the upload of the entry form, against a real FTP server on
// 127.0.0.1: the payment frame, the checks of the demand draft, the payment line, the remote
// name, what arrives on the server, and what the branch is told when the upload fails.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "platform/Clock.h"
#include "platform/TextMode.h"
#include "tallisk/member/TalliskSession.h"
#include "tallisk/records/PeriodicalDataLayout.h"
#include "tallisk/records/frmPeriodicalData.h"
#include "tallisk/upload/OutputUpload.h"
#include "tallisk/upload/PaymentDetails.h"
#include "tests/support/FtpServer.h"
#include "tests/support/TempDir.h"
#include "tests/tallisk/TalliskFixture.h"
#include "ui/ScriptDriver.h"
#include "ui/Toolkit.h"

namespace {

namespace fs = std::filesystem;
using namespace tallisk::periodical;
using testing_support::FtpServer;
using testing_support::FtpServerOptions;

std::string S(std::string_view name) {
  return std::string(name);
}

// The scripted user, who can also act while the program waits for the FTP server (the
// program's waiting loops are the only callers of ProcessEvents), and answer boxes whose text
// holds the FTP layer's own wording.
class WaitingDriver : public ui::ScriptDriver {
 public:
  std::function<void()> whileWaiting;  // runs once, in the first round of a waiting loop
  int waitingRounds = 0;
  int boxesToAnswerUnread = 0;  // the next boxes are answered OK and kept in `unreadBoxes`
  std::vector<ui::MessageBoxSpec> unreadBoxes;

  void ProcessEvents() override {
    ++waitingRounds;
    if (whileWaiting) std::exchange(whileWaiting, {})();
    ScriptDriver::ProcessEvents();
  }
  ui::Answer ShowMessageBox(const ui::MessageBoxSpec& request) override {
    if (boxesToAnswerUnread == 0) return ScriptDriver::ShowMessageBox(request);
    --boxesToAnswerUnread;
    unreadBoxes.push_back(request);
    return ui::Answer::Ok;
  }
};

const std::string kData = tallisk_test::DataLine("TV200312345", "ABC Industries") + "\n" +
                          tallisk_test::DataLine("TV200312346", "Bharat Castings") + "\n" +
                          tallisk_test::DataLine("TV200312347", "Coastal Foods") + "\n";
const std::string kHeader = "001200340056|3|9567|March 31, 2004|\n";
const char* const kOutput = "output/0012003400562004.out";

// The entry form of a branch that has entered its three accounts (total fee 9567), with the
// clock on 5 March 2004.
class PaymentUpload : public ::testing::Test {
 protected:
  void Open(tallisk::FtpServerAddress server) {
    WriteText("tvpans.txt", tallisk_test::kAccountList);
    WriteText("header2004.txt", kHeader);
    WriteText("data2004.txt", kData);
    session.files.programDir = dir.path();
    session.currentMemberId = tallisk_test::kMemberId;
    session.accounts.SetLoaded(true);
    session.uploadServer = std::move(server);
    form = std::make_unique<tallisk::frmPeriodicalData>(toolkit, session);
    form->Create();
    form->Show();
  }
  void Open(const FtpServer& server) { Open({FtpServer::host(), server.port()}); }
  void OpenWithoutServer() { Open({FtpServer::host(), FtpServer::UnusedPort()}); }

  // Queues the payment details and the click on Upload.
  void QueuePayment(const std::string& ddNo, const std::string& ddDate, const std::string& paid) {
    driver.Click(S(cmdPmtDetails))
        .Type(S(txtDDNo), ddNo)
        .Type(S(txtDDDate), ddDate)
        .Type(S(txtAmtPaid), paid)
        .Click(S(cmdUpload));
  }
  void Play() { driver.Play(*form); }

  void WriteText(const std::string& name, const std::string& logical) const {
    fs::create_directories((dir.path() / name).parent_path());
    std::ofstream(dir.path() / name, std::ios::binary) << platform::ToTextMode(logical);
  }
  std::string ReadRaw(const fs::path& path) const {
    return platform::ReadBinaryFile(path).value_or("<missing>");
  }
  std::string LocalOutput() const { return ReadRaw(dir.path() / kOutput); }
  const std::string& Text(std::string_view name) const { return form->control(name).text(); }

  testing_support::TempDir dir{false};
  platform::ScopedFixedClock clock{{2004, 3, 5, 10, 30, 0}};
  WaitingDriver driver;
  ui::Toolkit toolkit{driver};
  tallisk::TalliskSession session;
  std::unique_ptr<tallisk::frmPeriodicalData> form;
};

TEST_F(PaymentUpload, ThePaymentButtonShowsTheFrameAndHidesItAgain) {
  OpenWithoutServer();
  EXPECT_TRUE(form->control(cmdPmtDetails).enabled());
  EXPECT_FALSE(form->control(fraPayment).visible());
  EXPECT_FALSE(form->control(txtDDNo).visible());
  driver.Click(S(cmdPmtDetails));
  Play();
  for (std::string_view shown : {fraPayment, txtDDNo, txtDDDate, txtAmtPaid, cmdUpload})
    EXPECT_TRUE(form->control(shown).visible()) << shown;
  EXPECT_TRUE(form->control(cmdUpload).isEffectivelyEnabled());
  // The payment line separates its fields by "|": the draft's details cannot hold one.
  driver.Paste(form->control(txtDDNo).id(), "DD|12").Paste(form->control(txtDDDate).id(), "01|03");
  driver.Click(S(cmdPmtDetails));
  Play();
  EXPECT_EQ(Text(txtDDNo), "DD12");
  EXPECT_EQ(Text(txtDDDate), "0103");
  EXPECT_FALSE(form->control(fraPayment).visible());
  EXPECT_FALSE(form->control(cmdUpload).visible());
}

TEST_F(PaymentUpload, RefusedDetailsAreNamedAndTheirBoxEmptiedAndFocused) {
  const struct {
    const char* ddNo;
    const char* ddDate;
    const char* paid;
    const char* message;
    std::string_view box;
  } cases[] = {
      {"", "01/03/2004", "9567", "Please Enter Demand Draft No", txtDDNo},
      {"   ", "01/03/2004", "9567", "Please Enter Demand Draft No", txtDDNo},
      {"DD123456", "  ", "9567", "Please Enter Demand Draft Date", txtDDDate},
      {"DD123456", "01/03/2004", "9567.00", "Service Fee payable is Rs. 9567", txtAmtPaid},
      {"DD123456", "01/03/2004", " 9567", "Service Fee payable is Rs. 9567", txtAmtPaid},
      {"DD123456", "01/03/2004", "", "Service Fee payable is Rs. 9567", txtAmtPaid},
  };
  OpenWithoutServer();
  driver.Click(S(cmdPmtDetails));
  for (const auto& c : cases) {
    driver.Replace(form->control(txtDDNo).id(), c.ddNo)
        .Replace(form->control(txtDDDate).id(), c.ddDate)
        .Replace(form->control(txtAmtPaid).id(), c.paid)
        .Click(S(cmdUpload))
        .Answer(c.message, "Tallisk");
    Play();
    EXPECT_EQ(Text(c.box), "") << c.message;
    EXPECT_EQ(form->focus(), &form->control(c.box)) << c.message;
    // Nothing was sent, nothing written, and Upload can be pressed again.
    EXPECT_TRUE(form->control(cmdUpload).enabled());
    EXPECT_FALSE(form->uploadIssued());
    EXPECT_EQ(driver.waitingRounds, 0);
    EXPECT_FALSE(fs::exists(dir.path() / kOutput));
  }
}

TEST_F(PaymentUpload, TheServerHoldsExactlyTheOutputFileWithItsPaymentLine) {
  const struct {
    int day;
    const char* remoteName;
  } days[] = {{5, "0012003400565032004.out"}, {15, "00120034005615032004.out"}};
  for (const auto& d : days) {
    clock.Set({2004, 3, d.day, 10, 30, 0});
    FtpServer server;
    Open(server);
    QueuePayment("  DD123456 ", " 01/03/2004", "9567");
    driver.Answer("File Uploaded Successfully", "Tallisk");
    Play();

    const std::string expected = "001200340056|3|9567|March 31, 2004|\r\n" +
                                 platform::ToTextMode(kData) + "END|DD123456|01/03/2004\r\n";
    EXPECT_EQ(LocalOutput(), expected);
    EXPECT_EQ(ReadRaw(server.root() / "MIRSA/TalliskInfo" / d.remoteName), expected)
        << server.Log();
    EXPECT_EQ(std::distance(fs::directory_iterator(server.root() / "MIRSA/TalliskInfo"),
                            fs::directory_iterator()),
              1);
    // Upload stays disabled until the form is shown again.
    EXPECT_TRUE(form->uploadIssued());
    EXPECT_FALSE(form->control(cmdUpload).enabled());
    EXPECT_GE(driver.waitingRounds, 1);
    form->Activated();
    EXPECT_FALSE(form->uploadIssued());
    EXPECT_TRUE(form->control(cmdUpload).enabled());
    form.reset();
  }
}

TEST_F(PaymentUpload, WithNoServerListeningTheBranchIsToldThereIsNoConnection) {
  OpenWithoutServer();
  QueuePayment("DD123456", "01/03/2004", "9567");
  driver.Answer("No Internet connection is available", "Tallisk");
  Play();
  EXPECT_EQ(driver.boxTexts(), std::vector<std::string>{"No Internet connection is available"});
  EXPECT_FALSE(form->uploadIssued());
  EXPECT_FALSE(form->control(cmdUpload).enabled());
  // The folder could not be entered: the upload ended before the output file was written.
  EXPECT_FALSE(fs::exists(dir.path() / kOutput));
}

// A server that turns the upload down: a wrong password on its side, a folder the user may not
// store in, a store answered "451" after the file was received. None of them is reported as a
// success; the output file written for the upload keeps its payment line.
TEST_F(PaymentUpload, ARefusedUploadIsToldAndTheOutputFileKeepsItsPaymentLine) {
  const struct {
    FtpServerOptions options;
    const char* firstLine;
    bool outputWritten;
  } cases[] = {
      {{.password = "anotherpassword"},
       "The FTP server refused the login (user name or password).",
       false},
      {{.readOnlyFolders = {"MIRSA/TalliskInfo"}}, "The FTP server did not take the file.", true},
      {{.refuseStoredFiles = true}, "The FTP server did not take the file.", true},
  };
  for (const auto& c : cases) {
    FtpServer server(c.options);
    Open(server);
    QueuePayment("DD123456", "01/03/2004", "9567");
    driver.boxesToAnswerUnread = 1;
    driver.unreadBoxes.clear();
    Play();
    ASSERT_EQ(driver.unreadBoxes.size(), 1u) << c.firstLine;
    EXPECT_EQ(driver.boxesToAnswerUnread, 0);
    const std::string& told = driver.unreadBoxes.front().text;
    EXPECT_EQ(told.substr(0, told.find('\r')), c.firstLine) << told;
    EXPECT_NE(told.find("The file was not uploaded."), std::string::npos) << told;
    EXPECT_EQ(driver.unreadBoxes.front().caption, "Tallisk");
    EXPECT_FALSE(form->control(cmdUpload).enabled());
    if (c.outputWritten) {
      const std::string local = LocalOutput();
      const std::string paymentLine = "END|DD123456|01/03/2004\r\n";
      ASSERT_GT(local.size(), paymentLine.size());
      EXPECT_EQ(local.substr(local.size() - paymentLine.size()), paymentLine);
    } else {
      EXPECT_FALSE(fs::exists(dir.path() / kOutput));
    }
    form.reset();
    fs::remove(dir.path() / kOutput);
  }
}

TEST_F(PaymentUpload, TheFormStaysResponsiveWhileTheServerDelaysItsReply) {
  FtpServer server(FtpServerOptions{.holdReplies = true});
  Open(server);
  // While the program waits for the server, the branch hides the payment frame and shows it
  // again; only then does the server answer.
  bool frameHiddenWhileWaiting = false;
  driver.whileWaiting = [&] {
    EXPECT_FALSE(form->control(cmdUpload).enabled());
    form->Click(form->control(cmdPmtDetails).id());
    frameHiddenWhileWaiting = !form->control(fraPayment).visible();
    form->Click(form->control(cmdPmtDetails).id());
    server.ReleaseReplies();
  };
  QueuePayment("DD123456", "01/03/2004", "9567");
  driver.Answer("File Uploaded Successfully", "Tallisk");
  Play();
  EXPECT_TRUE(frameHiddenWhileWaiting);
  EXPECT_TRUE(form->control(fraPayment).visible());
  EXPECT_EQ(ReadRaw(server.root() / "MIRSA/TalliskInfo/0012003400565032004.out"), LocalOutput());
}

TEST(PaymentDetails, RemoteNamesCarryTheDayWithoutLeadingZeroAndTheMonthInTwoDigits) {
  using std::chrono::day;
  using std::chrono::month;
  using std::chrono::year;
  const struct {
    std::chrono::year_month_day date;
    const char* name;
  } cases[] = {
      {{year(2004), month(3), day(5)}, "0012003400565032004.out"},
      {{year(2004), month(3), day(15)}, "00120034005615032004.out"},
      {{year(2004), month(12), day(1)}, "0012003400561122004.out"},
      {{year(2005), month(10), day(31)}, "00120034005631102005.out"},
  };
  for (const auto& c : cases) EXPECT_EQ(tallisk::RemoteName("001200340056", c.date), c.name);
}

TEST(PaymentDetails, ThePutNamesTheLocalFileInQuotesAndTheRemoteOneRightAfter) {
  EXPECT_EQ(tallisk::PutCommand("/branch/output/0012003400562004.out", "0012003400565032004.out"),
            "PUT \"/branch/output/0012003400562004.out\"./TalliskInfo/0012003400565032004.out");
  EXPECT_EQ(tallisk::PaymentLine({" DD 1 ", "\t01/03/2004 ", "9567"}), "END|DD 1|01/03/2004");
}

TEST(PaymentDetails, TheCalculatorUploadsToTheTrustHostOnTheFtpPort) {
  const tallisk::FtpServerAddress server;
  EXPECT_EQ(server.host, tallisk::kTrustFtpHost);
  EXPECT_FALSE(tallisk::kTrustFtpHost.empty());
  EXPECT_EQ(server.port, 21);
  EXPECT_EQ(tallisk::FtpUrl({"127.0.0.1", 2121}), "ftp://127.0.0.1:2121");
}

}  // namespace
