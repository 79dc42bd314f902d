#include "platform/ftp/FtpPath.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

struct ResolveCase {
  RemotePath base;
  std::string path;
  std::string expected;
};

class ResolveRemotePathTest : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(ResolveRemotePathTest, ResolvesAgainstTheCurrentFolder) {
  const auto& c = GetParam();
  EXPECT_EQ(ResolveRemotePath(c.base, c.path).ToString(), c.expected) << c.path;
}

const RemotePath kLogin{};
const RemotePath kMirsa{true, {"MIRSA"}};

INSTANTIATE_TEST_SUITE_P(
    Paths, ResolveRemotePathTest,
    ::testing::Values(ResolveCase{kLogin, "/MIRSA", "/MIRSA"},
                      ResolveCase{kLogin, "MIRSA", "MIRSA"}, ResolveCase{kLogin, "", ""},
                      ResolveCase{kLogin, "/", "/"},
                      ResolveCase{kMirsa, "./TalliskInfo/0012003400565032004.out",
                                  "/MIRSA/TalliskInfo/0012003400565032004.out"},
                      ResolveCase{kMirsa, "/other", "/other"},
                      // The client names its remote files with backslashes.
                      ResolveCase{kLogin, "\\mirsa\\korvex\\verikorv.tlv",
                                  "/mirsa/korvex/verikorv.tlv"},
                      ResolveCase{kMirsa, "..", "/"},
                      ResolveCase{kMirsa, "../../x", "/x"},  // nothing above the root
                      ResolveCase{kLogin, "../x", "../x"},   // above the login folder: the server's
                      ResolveCase{kMirsa, "a//b/./c/", "/MIRSA/a/b/c"}));

TEST(FtpUrlTest, AbsolutePathsStartAtTheServersRoot) {
  EXPECT_EQ(FtpUrl("127.0.0.1", 2121, RemotePath{true, {"MIRSA", "TalliskInfo", "x.out"}}, false),
            "ftp://127.0.0.1:2121/%2FMIRSA/TalliskInfo/x.out");
  EXPECT_EQ(FtpUrl("host", 21, RemotePath{false, {"a"}}, false), "ftp://host:21/a");
}

TEST(FtpUrlTest, FolderUrlsEndInASlash) {
  EXPECT_EQ(FtpUrl("h", 21, RemotePath{true, {"MIRSA"}}, true), "ftp://h:21/%2FMIRSA/");
  EXPECT_EQ(FtpUrl("h", 21, RemotePath{true, {}}, true), "ftp://h:21/%2F/");
  EXPECT_EQ(FtpUrl("h", 21, RemotePath{}, true), "ftp://h:21/");
}

TEST(FtpUrlTest, ComponentsAreEncodedAndIpv6HostsBracketed) {
  EXPECT_EQ(FtpUrl("::1", 21, RemotePath{false, {"a b", "50%#?;x"}}, false),
            "ftp://[::1]:21/a%20b/50%25%23%3F%3Bx");
}

}  // namespace
}  // namespace platform
