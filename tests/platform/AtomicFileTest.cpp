#include "platform/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/TextMode.h"
#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

TEST(AtomicFile, ReplacesContentAndLeavesNoTemporaryFile) {
  testing_support::TempDir dir;
  const fs::path file = dir.path() / "store.txt";
  ASSERT_TRUE(platform::ReplaceFileAtomically(file, "old"));
  ASSERT_TRUE(platform::ReplaceFileAtomically(file, "new content"));
  EXPECT_EQ(platform::ReadBinaryFile(file), "new content");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(AtomicFile, OwnerOnlyFilesAreNotReadableByOthers) {
  testing_support::TempDir dir;
  const fs::path file = dir.path() / "secret";
  ASSERT_TRUE(platform::ReplaceFileAtomically(file, "x", platform::FileAccess::OwnerOnly));
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(AtomicFile, AppendKeepsWhatWasThere) {
  testing_support::TempDir dir;
  const fs::path file = dir.path() / "data.txt";
  ASSERT_TRUE(platform::AppendFileAtomically(file, "one\r\n"));
  ASSERT_TRUE(platform::AppendFileAtomically(file, "two\r\n"));
  EXPECT_EQ(platform::ReadBinaryFile(file), "one\r\ntwo\r\n");
}

TEST(AtomicFile, AFolderThatIsMissingFailsCleanly) {
  testing_support::TempDir dir;
  EXPECT_FALSE(platform::ReplaceFileAtomically(dir.path() / "absent" / "f", "x"));
  fs::create_directory(dir.path() / "folder");
  EXPECT_FALSE(platform::ReadBinaryFile(dir.path() / "folder").has_value());
  EXPECT_FALSE(platform::ReplaceFileAtomically(dir.path() / "folder", "x"));
}

}  // namespace
