#include "platform/ftp/FtpSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stdexcept>

#include "platform/AtomicFile.h"
#include "platform/TextMode.h"
#include "tests/support/FtpServer.h"
#include "tests/support/TempDir.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using testing_support::FtpServer;
using testing_support::FtpServerOptions;

// Bytes that a text-mode transfer would alter: line breaks, NUL, the end-of-file byte, 8-bit.
using namespace std::string_literals;
const std::string kAwkwardBytes = "END|123\r\nA\nB\rC\0D\x1A\xFF\x80 tail"s;

FtpSettings SettingsFor(const FtpServer& server, std::string password = "plumbtrevasoke") {
  FtpSettings settings;
  settings.host = FtpServer::host();
  settings.port = server.port();
  settings.userName = "korvexuser";
  settings.password = std::move(password);
  return settings;
}

// One server for the suite (it starts in about half a second); each test names its own files.
class FtpSessionTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { shared_ = std::make_unique<FtpServer>(); }
  static void TearDownTestSuite() { shared_.reset(); }

  fs::path LocalFile(const std::string& name, std::string_view bytes) {
    const fs::path path = local_.path() / name;
    EXPECT_TRUE(ReplaceFileAtomically(path, bytes));
    return path;
  }

  static const FtpServer& Shared() {
    if (!shared_) throw std::runtime_error("the suite's FTP server did not start");
    return *shared_;
  }

  static inline std::unique_ptr<FtpServer> shared_;
  const FtpServer& server_ = Shared();
  testing_support::TempDir local_{false};
  FtpSession session_{SettingsFor(server_)};
};

TEST_F(FtpSessionTest, PutStoresTheFileByteForByte) {
  const fs::path local = LocalFile("0012003400562004.out", kAwkwardBytes);
  const FtpResult result = session_.PutFile(local, "/MIRSA/TalliskInfo/0012003400565032004.out");
  ASSERT_TRUE(result) << result.detail;
  EXPECT_EQ(result.replyCode, 226);
  EXPECT_EQ(result.reply.substr(0, 3), "226");
  EXPECT_EQ(ReadBinaryFile(server_.root() / "MIRSA/TalliskInfo/0012003400565032004.out"),
            kAwkwardBytes);
}

TEST_F(FtpSessionTest, PutOfAnEmptyFileStoresAnEmptyFile) {
  ASSERT_TRUE(session_.PutFile(LocalFile("empty", ""), "/MIRSA/empty"));
  EXPECT_EQ(ReadBinaryFile(server_.root() / "MIRSA/empty"), "");
}

TEST_F(FtpSessionTest, GetFetchesTheFileByteForByteAndReplacesTheLocalOne) {
  ASSERT_TRUE(ReplaceFileAtomically(server_.root() / "MIRSA/verikorv.tlv", kAwkwardBytes));
  const fs::path local = LocalFile("verikorv.tlv", "old contents");
  const FtpResult result = session_.GetFile("\\MIRSA\\verikorv.tlv", local);
  ASSERT_TRUE(result) << result.detail;
  EXPECT_EQ(ReadBinaryFile(local), kAwkwardBytes);
}

TEST_F(FtpSessionTest, GetOfAMissingFileLeavesTheLocalFileAlone) {
  const fs::path local = LocalFile("verikorv.tlv", "old contents");
  const FtpResult result = session_.GetFile("/MIRSA/absent.tlv", local);
  EXPECT_EQ(result.error, FtpErrorKind::FileAbsent) << result.detail;
  EXPECT_EQ(ReadBinaryFile(local), "old contents");
}

TEST_F(FtpSessionTest, FindFileTellsPresentFromAbsent) {
  ASSERT_TRUE(ReplaceFileAtomically(server_.root() / "MIRSA/TalliskInfo/here.out", "x"));
  EXPECT_TRUE(session_.FindFile("/MIRSA/TalliskInfo/here.out"));
  EXPECT_TRUE(session_.FindFile("\\MIRSA\\TalliskInfo\\here.out"));

  const FtpResult missingFile = session_.FindFile("/MIRSA/TalliskInfo/gone.out");
  EXPECT_EQ(missingFile.error, FtpErrorKind::FileAbsent) << missingFile.detail;
  EXPECT_NE(missingFile.detail.find("/MIRSA/TalliskInfo/gone.out"), std::string::npos);
  const FtpResult missingFolder = session_.FindFile("/NOFOLDER/here.out");
  EXPECT_EQ(missingFolder.error, FtpErrorKind::FileAbsent) << missingFolder.detail;
}

TEST_F(FtpSessionTest, ChangeDirectoryMakesRelativePathsStartThere) {
  ASSERT_TRUE(session_.ChangeDirectory("/MIRSA"));
  EXPECT_EQ(session_.currentDirectory().ToString(), "/MIRSA");
  ASSERT_TRUE(session_.PutFile(LocalFile("a.out", "abc"), "./TalliskInfo/a.out"));
  EXPECT_EQ(ReadBinaryFile(server_.root() / "MIRSA/TalliskInfo/a.out"), "abc");
  EXPECT_TRUE(session_.FindFile("TalliskInfo/a.out"));
  EXPECT_TRUE(session_.ChangeDirectory("TalliskInfo"));
  EXPECT_TRUE(session_.FindFile("a.out"));
}

TEST_F(FtpSessionTest, ChangeToAMissingFolderFailsAndKeepsTheCurrentOne) {
  ASSERT_TRUE(session_.ChangeDirectory("/MIRSA"));
  const FtpResult result = session_.ChangeDirectory("/NOFOLDER");
  EXPECT_EQ(result.error, FtpErrorKind::FileAbsent) << result.detail;
  EXPECT_EQ(session_.currentDirectory().ToString(), "/MIRSA");
}

TEST_F(FtpSessionTest, OneSessionCarriesManyOperationsAndCanLogInAgainAfterClose) {
  ASSERT_TRUE(session_.Connect());
  EXPECT_TRUE(session_.connected());
  for (int i = 0; i < 3; ++i) {
    const std::string name = "many" + std::to_string(i);
    ASSERT_TRUE(session_.PutFile(LocalFile(name, name), "/MIRSA/" + name));
    ASSERT_TRUE(session_.FindFile("/MIRSA/" + name));
  }
  session_.Close();
  EXPECT_FALSE(session_.connected());
  EXPECT_TRUE(session_.FindFile("/MIRSA/many2"));
}

TEST_F(FtpSessionTest, PutOfAMissingLocalFileFailsWithoutTouchingTheServer) {
  const FtpResult result = session_.PutFile(local_.path() / "nothing.out", "/MIRSA/nothing.out");
  EXPECT_EQ(result.error, FtpErrorKind::TransferFailed);
  EXPECT_FALSE(fs::exists(server_.root() / "MIRSA/nothing.out"));
}

TEST_F(FtpSessionTest, PutIntoAMissingFolderFails) {
  const FtpResult result = session_.PutFile(LocalFile("a", "a"), "/MIRSA/NOFOLDER/a");
  EXPECT_FALSE(fs::exists(server_.root() / "MIRSA/NOFOLDER"));
  EXPECT_EQ(result.error, FtpErrorKind::TransferFailed) << result.detail;
}

TEST_F(FtpSessionTest, AbortedSessionRefusesFurtherWork) {
  session_.Abort();
  EXPECT_EQ(session_.Connect().error, FtpErrorKind::TransferFailed);
}

TEST(FtpSessionErrorsTest, NoServerListeningMeansNoConnection) {
  FtpSettings settings;
  settings.host = "127.0.0.1";
  settings.port = FtpServer::UnusedPort();
  settings.userName = "korvexuser";
  settings.password = "plumbtrevasoke";
  FtpSession session(settings);
  const FtpResult result = session.Connect();
  EXPECT_EQ(result.error, FtpErrorKind::NoConnection);
  EXPECT_NE(result.detail.find("127.0.0.1:" + std::to_string(settings.port)), std::string::npos)
      << result.detail;
  EXPECT_EQ(session.FindFile("/MIRSA/x").error, FtpErrorKind::NoConnection);
  EXPECT_FALSE(session.connected());
}

TEST(FtpSessionErrorsTest, WrongPasswordMeansLoginRefused) {
  FtpServer server;
  FtpSession session(SettingsFor(server, "plumbtrevasokf"));
  const FtpResult result = session.Connect();
  EXPECT_EQ(result.error, FtpErrorKind::LoginRefused) << result.detail;
  EXPECT_EQ(result.replyCode, 530);
  testing_support::TempDir local(false);
  ASSERT_TRUE(ReplaceFileAtomically(local.path() / "a", "a"));
  EXPECT_EQ(session.PutFile(local.path() / "a", "/MIRSA/a").error, FtpErrorKind::LoginRefused);
  EXPECT_FALSE(fs::exists(server.root() / "MIRSA/a"));
}

TEST(FtpSessionErrorsTest, PutRefusedByTheServerFails) {
  FtpServer server(FtpServerOptions{.readOnlyFolders = {"MIRSA/Locked"}});
  FtpSession session(SettingsFor(server));
  testing_support::TempDir local(false);
  ASSERT_TRUE(ReplaceFileAtomically(local.path() / "a", "abc"));
  const FtpResult result = session.PutFile(local.path() / "a", "/MIRSA/Locked/a");
  EXPECT_EQ(result.error, FtpErrorKind::TransferFailed) << result.detail;
  EXPECT_EQ(result.replyCode, 550);
  EXPECT_NE(result.detail.find("550"), std::string::npos) << result.detail;
  EXPECT_FALSE(fs::exists(server.root() / "MIRSA/Locked/a"));
  // The session is still good for what the server allows.
  EXPECT_TRUE(session.PutFile(local.path() / "a", "/MIRSA/a"));
}

TEST(FtpSessionErrorsTest, PutWhoseFinalReplyRefusesTheFileFails) {
  // The server takes every byte and then says it did not store them: not a success.
  FtpServer server(FtpServerOptions{.refuseStoredFiles = true});
  FtpSession session(SettingsFor(server));
  testing_support::TempDir local(false);
  ASSERT_TRUE(ReplaceFileAtomically(local.path() / "a", kAwkwardBytes));
  const FtpResult result = session.PutFile(local.path() / "a", "/MIRSA/a");
  EXPECT_EQ(result.error, FtpErrorKind::TransferFailed) << result.detail;
  EXPECT_EQ(result.replyCode, 451);
}

TEST(FtpSessionErrorsTest, ASilentServerIsGivenUpAsNoConnection) {
  // It accepts the connection but never greets: the limits end the wait.
  FtpServer server(FtpServerOptions{.holdReplies = true});
  FtpSettings settings = SettingsFor(server);
  settings.limits.connect = std::chrono::milliseconds(500);
  settings.limits.reply = std::chrono::seconds(1);
  settings.limits.operation = std::chrono::seconds(2);
  FtpSession session(settings);
  const FtpResult result = session.Connect();
  EXPECT_EQ(result.error, FtpErrorKind::NoConnection) << result.detail;
}

TEST(FtpSessionErrorsTest, PassiveModeWorksToo) {
  FtpServer server;
  FtpSettings settings = SettingsFor(server);
  settings.activeMode = false;
  FtpSession session(settings);
  testing_support::TempDir local(false);
  ASSERT_TRUE(ReplaceFileAtomically(local.path() / "a", kAwkwardBytes));
  ASSERT_TRUE(session.PutFile(local.path() / "a", "/MIRSA/a"));
  EXPECT_EQ(ReadBinaryFile(server.root() / "MIRSA/a"), kAwkwardBytes);
}

}  // namespace
}  // namespace platform
