#include "mirsaclient/shell/FileScrambler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/TextMode.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

void WriteBytes(const fs::path& p, std::string_view bytes) {
  std::ofstream(p, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

TEST(FileScrambler, ResultCodes) {
  testing_support::TempDir dir;
  EXPECT_EQ(mirsa::FileScrambler("absent", "target"), mirsa::kSourceNotOpened);
  EXPECT_FALSE(fs::exists("target"));
  WriteBytes("source", "x");
  EXPECT_EQ(mirsa::FileScrambler("source", "no/such/folder/target"), mirsa::kTargetNotOpened);
  EXPECT_EQ(mirsa::FileScrambler("source", "target"), mirsa::kScrambled);
}

TEST(FileScrambler, ScramblesInTextModeAndIsItsOwnInverse) {
  testing_support::TempDir dir;
  // Plain text as text-mode writing leaves it: line breaks are CR LF on disk.
  WriteBytes("plain", "HDR|2\r\nA|B\r\nEND");
  ASSERT_EQ(mirsa::FileScrambler("plain", "stored"), mirsa::kScrambled);
  const std::string stored = *platform::ReadBinaryFile("stored");
  // Text-mode reading gives LF, which scrambles to 0xCD and is written as such.
  EXPECT_EQ(stored, mirsa::Scramble("HDR|2\nA|B\nEND"));
  EXPECT_EQ(stored, mirsa::StoredForm("HDR|2\nA|B\nEND"));
  ASSERT_EQ(mirsa::FileScrambler("stored", "back"), mirsa::kScrambled);
  EXPECT_EQ(platform::ReadBinaryFile("back"), "HDR|2\r\nA|B\r\nEND");
  EXPECT_EQ(mirsa::PlainForm(stored), "HDR|2\nA|B\nEND");
}

TEST(FileScrambler, BlocksOfALargeFileGiveTheSameBytesAsTheWholeTransform) {
  testing_support::TempDir dir;
  std::string plain;
  for (int i = 0; plain.size() < 300000; ++i) plain += "LINE " + std::to_string(i) + "|\r\n";
  WriteBytes("plain", plain);
  ASSERT_EQ(mirsa::FileScrambler("plain", "stored"), mirsa::kScrambled);
  EXPECT_EQ(platform::ReadBinaryFile("stored"), mirsa::StoredForm(platform::FromTextMode(plain)));

  // A CR LF pair split by a block boundary, a lone CR, a byte that scrambles to LF, and the
  // end-of-file byte in a later block.
  std::string tricky(65535, 'A');
  tricky += "\r\nB\rC\xCD";
  tricky += std::string(70000, 'D') + "\r";
  tricky += std::string(70000, 'E') + "\x1A" + "lost";
  WriteBytes("tricky", tricky);
  ASSERT_EQ(mirsa::FileScrambler("tricky", "stored"), mirsa::kScrambled);
  EXPECT_EQ(platform::ReadBinaryFile("stored"), mirsa::StoredForm(platform::FromTextMode(tricky)));
}

TEST(FileScrambler, ReadingAStoredFileDoesNotRewriteIt) {
  testing_support::TempDir dir;
  ASSERT_TRUE(mirsa::WriteStoredFile("stored", "ONE LINE"));
  const auto before = platform::ReadBinaryFile("stored");
  const auto before_time = fs::last_write_time("stored");
  EXPECT_EQ(mirsa::ReadStoredFile("stored"), "ONE LINE");
  EXPECT_EQ(platform::ReadBinaryFile("stored"), before);
  EXPECT_EQ(fs::last_write_time("stored"), before_time);
  EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1);
}

}  // namespace
