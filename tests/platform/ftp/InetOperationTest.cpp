#include "platform/ftp/InetOperation.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using Verb = InetCommand::Verb;

TEST(InetOperationTest, ReadsTheCalculatorsCommands) {
  EXPECT_EQ(ParseInetOperation("CD /MIRSA"), (InetCommand{Verb::ChangeDirectory, "/MIRSA", ""}));
  // The put has no blank between the quoted local file and the remote name.
  EXPECT_EQ(ParseInetOperation("PUT \"/opt/tallisk/output/0012003400562004.out\"./TalliskInfo/"
                               "0012003400565032004.out"),
            (InetCommand{Verb::Put, "/opt/tallisk/output/0012003400562004.out",
                         "./TalliskInfo/0012003400565032004.out"}));
}

struct OperationCase {
  std::string text;
  std::optional<InetCommand> expected;
};

class InetOperationCases : public ::testing::TestWithParam<OperationCase> {};

TEST_P(InetOperationCases, Parse) {
  EXPECT_EQ(ParseInetOperation(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Operations, InetOperationCases,
    ::testing::Values(
        OperationCase{"cd  My Folder ", InetCommand{Verb::ChangeDirectory, "My Folder", ""}},
        OperationCase{"CD \"/a b\"", InetCommand{Verb::ChangeDirectory, "/a b", ""}},
        OperationCase{"CDUP", InetCommand{Verb::ChangeDirectory, "..", ""}},
        OperationCase{"put a.txt /x/a.txt", InetCommand{Verb::Put, "a.txt", "/x/a.txt"}},
        OperationCase{"PUT \"my file\" \"their file\"",
                      InetCommand{Verb::Put, "my file", "their file"}},
        OperationCase{"GET /v.tlv \"/tmp/v 1.tlv\"",
                      InetCommand{Verb::Get, "/v.tlv", "/tmp/v 1.tlv"}},
        OperationCase{"QUIT", InetCommand{Verb::Close, "", ""}},
        OperationCase{"CLOSE", InetCommand{Verb::Close, "", ""}}, OperationCase{"CD", std::nullopt},
        OperationCase{"PUT onlyone", std::nullopt}, OperationCase{"PUT a b c", std::nullopt},
        OperationCase{"PUT \"a b", std::nullopt}, OperationCase{"PUT \"\" b", std::nullopt},
        OperationCase{"DELETE x", std::nullopt}, OperationCase{"", std::nullopt},
        OperationCase{"CLOSE now", std::nullopt}));

struct UrlCase {
  std::string url;
  std::optional<FtpAddress> expected;
};

class FtpUrlCases : public ::testing::TestWithParam<UrlCase> {};

TEST_P(FtpUrlCases, Parse) {
  EXPECT_EQ(ParseFtpUrl(GetParam().url), GetParam().expected) << GetParam().url;
}

INSTANTIATE_TEST_SUITE_P(
    Urls, FtpUrlCases,
    ::testing::Values(UrlCase{"ftp://ftp.example.org", FtpAddress{"ftp.example.org", 21, "", ""}},
                      UrlCase{"FTP://127.0.0.1:2121/MIRSA", FtpAddress{"127.0.0.1", 2121, "", ""}},
                      UrlCase{"127.0.0.1", FtpAddress{"127.0.0.1", 21, "", ""}},
                      UrlCase{"ftp://u:p@h:99", FtpAddress{"h", 99, "u", "p"}},
                      UrlCase{"ftp://[::1]:2121/", FtpAddress{"::1", 2121, "", ""}},
                      UrlCase{"http://h", std::nullopt}, UrlCase{"ftp://", std::nullopt},
                      UrlCase{"ftp://h:0", std::nullopt}, UrlCase{"ftp://h:70000", std::nullopt},
                      UrlCase{"ftp://h:2x", std::nullopt}, UrlCase{"", std::nullopt}));

}  // namespace
}  // namespace platform
