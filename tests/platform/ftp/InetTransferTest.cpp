#include "platform/ftp/InetTransfer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/TextMode.h"
#include "tests/support/FtpServer.h"
#include "tests/support/TempDir.h"
#include "ui/ScriptDriver.h"
#include "ui/Toolkit.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using testing_support::FtpServer;
using testing_support::FtpServerOptions;

const std::string kRemoteName = "0012003400565032004.out";

std::string PutOperation(const fs::path& local) {
  return "PUT \"" + local.string() + "\"./TalliskInfo/" + kRemoteName;
}

// A window thread as the calculator has one: the toolkit with the scripted backend, and the
// control posting its events to it.
class InetTransferTest : public ::testing::Test {
 protected:
  InetTransferTest() {
    inet_.StateChanged = [this](int state) {
      EXPECT_EQ(std::this_thread::get_id(), windowThread_);
      states_.push_back(state);
    };
  }

  void LogIn(const FtpServer& server, std::string password = testing_support::kFtpPassword) {
    inet_.SetURL(server.url());
    inet_.SetUserName(testing_support::kFtpUser);
    inet_.SetPassword(std::move(password));
  }

  // The calculator's waiting loop; answers how often it went round.
  int WaitWhileExecuting() {
    int rounds = 0;
    while (inet_.StillExecuting()) {
      toolkit_.ProcessEvents();
      ++rounds;
      std::this_thread::yield();
    }
    return rounds;
  }

  fs::path OutputFile(std::string_view bytes) {
    const fs::path path = local_.path() / "0012003400562004.out";
    EXPECT_TRUE(ReplaceFileAtomically(path, bytes));
    return path;
  }

  const std::thread::id windowThread_ = std::this_thread::get_id();
  testing_support::TempDir local_{false};
  ui::ScriptDriver driver_;
  ui::Toolkit toolkit_{driver_};
  std::vector<int> states_;
  InetTransfer inet_{[&toolkit = toolkit_](auto f) { toolkit.Post(std::move(f)); }};
};

TEST_F(InetTransferTest, UploadsTheOutputFileAsTheCalculatorDoes) {
  FtpServer server;
  LogIn(server);
  inet_.Execute("", "CD /MIRSA");
  EXPECT_TRUE(inet_.StillExecuting());
  WaitWhileExecuting();
  EXPECT_EQ(states_, (std::vector<int>{kInetStateConnecting, kInetStateConnected,
                                       kInetStateRequesting, kInetStateResponseCompleted}));
  EXPECT_TRUE(inet_.LastResult().succeeded()) << inet_.LastResult().detail;

  states_.clear();
  inet_.Execute("", PutOperation(OutputFile("1|2|3\nEND|DD123|01/04/2004\n")));
  WaitWhileExecuting();
  // The connection and the folder of the CD carry over to the put.
  EXPECT_EQ(states_, (std::vector<int>{kInetStateRequesting, kInetStateResponseCompleted}));
  const InetResult& result = inet_.LastResult();
  EXPECT_TRUE(result.succeeded()) << result.detail;
  EXPECT_EQ(result.errorNumber, 0);
  EXPECT_EQ(result.replyCode, 226);
  EXPECT_EQ(ReadBinaryFile(server.root() / "MIRSA/TalliskInfo" / kRemoteName),
            "1|2|3\nEND|DD123|01/04/2004\n");
}

TEST_F(InetTransferTest, TheEventArrivesOnlyThroughThePostFunction) {
  FtpServer server;
  std::mutex lock;
  std::condition_variable arrived;
  std::deque<std::function<void()>> tasks;
  InetTransfer inet([&](std::function<void()> task) {
    std::lock_guard guard(lock);
    tasks.push_back(std::move(task));
    arrived.notify_one();
  });
  std::vector<int> states;
  inet.StateChanged = [&](int state) {
    EXPECT_EQ(std::this_thread::get_id(), windowThread_);
    states.push_back(state);
  };
  inet.SetURL(server.url());
  inet.SetUserName(testing_support::kFtpUser);
  inet.SetPassword(testing_support::kFtpPassword);
  inet.Execute("", "CD /MIRSA");

  // Until the posted tasks run here, nothing is delivered and the command still counts as
  // executing, however far the worker got.
  while (inet.StillExecuting()) {
    std::function<void()> task;
    {
      std::unique_lock guard(lock);
      ASSERT_TRUE(arrived.wait_for(guard, std::chrono::seconds(30), [&] { return !tasks.empty(); }))
          << "the worker posted nothing";
      task = std::move(tasks.front());
      tasks.pop_front();
    }
    EXPECT_TRUE(states.empty() || states.back() != kInetStateResponseCompleted);
    task();
  }
  ASSERT_FALSE(states.empty());
  EXPECT_EQ(states.back(), kInetStateResponseCompleted);
}

TEST_F(InetTransferTest, WhileTheServerIsSlowTheWaitingLoopKeepsHandlingEvents) {
  FtpServer server(FtpServerOptions{.holdReplies = true});
  LogIn(server);
  inet_.Execute("", "CD /MIRSA");  // returns although the server has not even greeted yet
  ASSERT_TRUE(inet_.StillExecuting());

  // Other buttons of the form are pressed while the command runs.
  int otherClicks = 0;
  int clicksBeforeCompletion = 0;
  while (inet_.StillExecuting()) {
    toolkit_.Post([&] {
      ++otherClicks;
      if (states_.empty() || states_.back() != kInetStateResponseCompleted) {
        ++clicksBeforeCompletion;
      }
    });
    toolkit_.ProcessEvents();
    if (otherClicks == 20) server.ReleaseReplies();
    std::this_thread::yield();
  }
  EXPECT_GE(clicksBeforeCompletion, 20);
  ASSERT_FALSE(states_.empty());
  EXPECT_EQ(states_.back(), kInetStateResponseCompleted);
}

TEST_F(InetTransferTest, ADelayingServerStillCompletesBothCommands) {
  FtpServer server(FtpServerOptions{.replyDelaySeconds = 0.05});
  LogIn(server);
  inet_.Execute("", "CD /MIRSA");
  EXPECT_GE(WaitWhileExecuting(), 1);
  inet_.Execute("", PutOperation(OutputFile("abc")));
  EXPECT_GE(WaitWhileExecuting(), 1);
  EXPECT_TRUE(inet_.LastResult().succeeded()) << inet_.LastResult().detail;
  EXPECT_EQ(ReadBinaryFile(server.root() / "MIRSA/TalliskInfo" / kRemoteName), "abc");
}

TEST_F(InetTransferTest, NoServerGivesTheErrorStateAndErrorNumber35754) {
  inet_.SetURL("ftp://127.0.0.1:" + std::to_string(FtpServer::UnusedPort()));
  inet_.SetUserName(testing_support::kFtpUser);
  inet_.SetPassword(testing_support::kFtpPassword);
  inet_.Execute("", "CD /MIRSA");
  WaitWhileExecuting();
  ASSERT_FALSE(states_.empty());
  EXPECT_EQ(states_.back(), kInetStateError);
  EXPECT_EQ(std::count(states_.begin(), states_.end(), kInetStateResponseCompleted), 0);
  EXPECT_EQ(inet_.LastResult().errorNumber, kInetErrorCannotConnect);
  EXPECT_EQ(inet_.LastResult().errorNumber, 35754);
  EXPECT_EQ(inet_.LastResult().kind, FtpErrorKind::NoConnection);
}

TEST_F(InetTransferTest, ARefusedPutIsNotReportedAsCompleted) {
  FtpServer server(FtpServerOptions{.readOnlyFolders = {"MIRSA/TalliskInfo"}});
  LogIn(server);
  inet_.Execute("", "CD /MIRSA");
  WaitWhileExecuting();
  ASSERT_TRUE(inet_.LastResult().succeeded());
  states_.clear();

  inet_.Execute("", PutOperation(OutputFile("abc")));
  WaitWhileExecuting();
  EXPECT_EQ(states_, (std::vector<int>{kInetStateRequesting, kInetStateError}));
  const InetResult& result = inet_.LastResult();
  EXPECT_FALSE(result.succeeded());
  EXPECT_EQ(result.errorNumber, kInetErrorRequestFailed);
  EXPECT_EQ(result.kind, FtpErrorKind::TransferFailed);
  EXPECT_EQ(result.replyCode, 550);
  EXPECT_FALSE(fs::exists(server.root() / "MIRSA/TalliskInfo" / kRemoteName));
}

TEST_F(InetTransferTest, AWrongPasswordIsRefusedLogin) {
  FtpServer server;
  LogIn(server, "wrong");
  inet_.Execute("", "CD /MIRSA");
  WaitWhileExecuting();
  EXPECT_EQ(states_, (std::vector<int>{kInetStateConnecting, kInetStateError}));
  EXPECT_EQ(inet_.LastResult().kind, FtpErrorKind::LoginRefused);
  EXPECT_EQ(inet_.LastResult().errorNumber, kInetErrorRequestFailed);

  // Mended password, same URL: a new login.
  states_.clear();
  inet_.SetPassword(testing_support::kFtpPassword);
  inet_.Execute("", "CD /MIRSA");
  WaitWhileExecuting();
  EXPECT_EQ(states_.back(), kInetStateResponseCompleted);
}

TEST_F(InetTransferTest, ACommandCanBeStartedFromTheEventOfThePreviousOne) {
  FtpServer server;
  LogIn(server);
  const fs::path local = OutputFile("chained");
  bool putStarted = false;
  inet_.StateChanged = [&](int state) {
    states_.push_back(state);
    if (state == kInetStateResponseCompleted && !putStarted) {
      putStarted = true;
      EXPECT_FALSE(inet_.StillExecuting());
      inet_.Execute("", PutOperation(local));
    }
  };
  inet_.Execute(server.url(), "CD /MIRSA");
  EXPECT_EQ(inet_.URL(), server.url());
  WaitWhileExecuting();
  ASSERT_TRUE(putStarted);
  EXPECT_TRUE(inet_.LastResult().succeeded()) << inet_.LastResult().detail;
  EXPECT_EQ(ReadBinaryFile(server.root() / "MIRSA/TalliskInfo" / kRemoteName), "chained");
}

TEST_F(InetTransferTest, ExecuteRefusesAtOnceWhatItCannotRun) {
  FtpServer server(FtpServerOptions{.holdReplies = true});
  LogIn(server);
  const auto numberThrown = [&](std::string_view url, std::string_view operation) {
    try {
      inet_.Execute(url, operation);
    } catch (const InetError& e) {
      return e.number();
    }
    return 0;
  };
  EXPECT_EQ(numberThrown("", "DELETE /MIRSA/x"), kInetErrorBadOperation);
  EXPECT_EQ(numberThrown("http://127.0.0.1/", "CD /MIRSA"), kInetErrorBadUrl);
  inet_.SetURL(server.url());
  EXPECT_FALSE(inet_.StillExecuting());

  EXPECT_EQ(numberThrown("", "CD /MIRSA"), 0);
  EXPECT_EQ(numberThrown("", "CD /MIRSA"), kInetErrorStillExecuting);
  server.ReleaseReplies();
  WaitWhileExecuting();
  EXPECT_TRUE(inet_.LastResult().succeeded()) << inet_.LastResult().detail;
}

TEST_F(InetTransferTest, DestroyingTheControlStopsARunningCommandWithoutAnEvent) {
  FtpServer server(FtpServerOptions{.holdReplies = true});
  {
    InetTransfer inet([&toolkit = toolkit_](auto f) { toolkit.Post(std::move(f)); });
    inet.StateChanged = [this](int state) { states_.push_back(state); };
    inet.SetURL(server.url());
    inet.Execute("", "CD /MIRSA");
    toolkit_.ProcessEvents();
    states_.clear();
  }  // the server never answers: the destructor must not wait for it
  toolkit_.ProcessEvents();
  EXPECT_TRUE(states_.empty());
}

}  // namespace
}  // namespace platform
