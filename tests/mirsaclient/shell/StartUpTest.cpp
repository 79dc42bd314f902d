#include "mirsaclient/shell/StartUp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "mirsaclient/resources/LoginIds.h"
#include "mirsaclient/shell/MIRSAClientApp.h"
#include "tests/mirsaclient/shell/ClientFixture.h"

namespace {

namespace fs = std::filesystem;

constexpr int kParameterDialog = 135;

class StartUp : public mirsa_test::ClientTest {
 protected:
  // The next modal window must be `dialog`; the test then closes it.
  void ExpectWindow(int dialog) {
    driver.Do([dialog](ui::Dialog& d) {
      EXPECT_EQ(d.resourceId(), dialog);
      d.EndDialog(ui::IDCANCEL);
    });
  }
};

TEST_F(StartUp, AFreshFolderGetsItsDirectoriesAndTheFirstRunDialog) {
  ExpectWindow(kParameterDialog);
  mirsa::RunStartUpSequence(toolkit);
  EXPECT_TRUE(fs::is_directory("MIRSA"));
  EXPECT_TRUE(fs::is_directory("MIRSA/Export"));
  EXPECT_TRUE(driver.scriptDone());
}

TEST_F(StartUp, ALowerCaseRootIsUsedAndAnExportFileStopsTheExportFolder) {
  fs::create_directory("mirsa");
  std::ofstream("mirsa/Export") << "a file";
  ExpectWindow(kParameterDialog);
  mirsa::RunStartUpSequence(toolkit);
  EXPECT_FALSE(fs::exists("MIRSA"));
  EXPECT_TRUE(fs::is_regular_file("mirsa/Export"));
}

TEST_F(StartUp, AMalformedMemberCodeDeletesTheFileAndOpensTheFirstRunDialog) {
  for (const char* memberCode : {"00010002000", "0001000200AB", ""}) {
    mirsa::ParameterSet p = mirsa_test::BranchParameters();
    p[mirsa::kMemberCode] = memberCode;
    mirsa_test::WriteForeignParameterFile(JoinParameterFields(p));
    driver.Answer({.text = "The parameter file is improperly formatted - please re-create it",
                   .caption = "TALVO-LOGIN",
                   .icon = ui::Icon::Information});
    driver.Do([](ui::Dialog& d) {
      EXPECT_FALSE(fs::exists("MIRSA/Param.tlv")) << "the file is gone before the dialog opens";
      EXPECT_EQ(d.resourceId(), kParameterDialog);
      d.EndDialog(ui::IDCANCEL);
    });
    mirsa::RunStartUpSequence(toolkit);
    EXPECT_TRUE(driver.scriptDone()) << memberCode;
  }
}

TEST_F(StartUp, AWellFormedFileLeadsToTheLogin) {
  mirsa_test::WriteForeignParameterFile(JoinParameterFields(mirsa_test::BranchParameters()));
  ExpectWindow(mirsa::IDD_LOGIN);
  mirsa::RunStartUpSequence(toolkit);
  EXPECT_FALSE(fs::exists("MIRSA/Param.zox"));
}

TEST_F(StartUp, ALongCurrentDirectoryWorks) {
  fs::path deep = fs::current_path();
  for (int i = 0; i < 6; ++i) deep /= std::string(60, static_cast<char>('a' + i));
  fs::create_directories(deep);
  fs::current_path(deep);
  mirsa_test::WriteForeignParameterFile(JoinParameterFields(mirsa_test::BranchParameters()));
  ExpectWindow(mirsa::IDD_LOGIN);
  mirsa::RunStartUpSequence(toolkit);
  EXPECT_TRUE(fs::is_directory(deep / "MIRSA" / "Export"));
  EXPECT_GT(deep.string().size(), 360u);
}

// A canvas that remembers what was drawn.
struct RecordingCanvas : ui::Canvas {
  void Fill(ui::Color c) override { fills.push_back(c); }
  void DrawPicture(const ui::Picture& p, ui::Point at) override {
    pictures.push_back({p.width, p.height});
    origins.push_back(at);
  }
  std::vector<ui::Color> fills;
  std::vector<ui::Size> pictures;
  std::vector<ui::Point> origins;
};

TEST_F(StartUp, TheMainWindowRunsTheStartUpOnceAfterItsFirstPaint) {
  mirsa_test::WriteForeignParameterFile(JoinParameterFields(mirsa_test::BranchParameters()));
  mirsa::CMIRSAClientApp app(toolkit, [] { return true; });
  app.InitInstance();
  mirsa::CMainFrame& frame = *app.mainFrame();
  EXPECT_EQ(frame.caption(), "TALVOClient - Korvex");
  EXPECT_TRUE(frame.maximized());
  EXPECT_EQ(frame.statusPanes(), (std::vector<std::string>{"Ready", "CAP", "NUM", "SCRL"}));
  EXPECT_EQ(app.profile().registryKey, "Local AppWizard-Generated Applications");
  EXPECT_TRUE(mirsa::g_bAddEnabled && mirsa::g_bVerifyEnabled);

  RecordingCanvas canvas;
  frame.Paint(canvas, {1000, 700});
  ExpectWindow(mirsa::IDD_LOGIN);
  driver.RunPosted();
  frame.Paint(canvas, {200, 100});
  driver.RunPosted();  // no second start-up: the script is empty
  EXPECT_EQ(canvas.fills, (std::vector<ui::Color>{ui::Rgb(100, 100, 100), ui::Rgb(100, 100, 100)}));
  EXPECT_EQ(canvas.pictures[0], (ui::Size{304, 254}));
  EXPECT_EQ(canvas.origins[0], (ui::Point{348, 223}));
  EXPECT_EQ(canvas.origins[1], (ui::Point{-52, -77})) << "divisions round toward zero";
}

TEST_F(StartUp, ANetworkLayerThatCannotStartEndsTheProcessWithString104) {
  mirsa::CMIRSAClientApp app(toolkit, [] { return false; });
  driver.Answer({.text = "Windows sockets initialization failed.", .buttons = ui::Buttons::Ok});
  EXPECT_THROW(app.InitInstance(), ui::ProcessEnd);
  EXPECT_EQ(app.mainFrame(), nullptr);
}

}  // namespace
