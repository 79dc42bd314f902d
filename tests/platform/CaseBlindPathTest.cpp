#include "platform/CaseBlindPath.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

TEST(CaseBlindPath, ExistingComponentsAreFoundInAnyCase) {
  testing_support::TempDir dir;
  fs::create_directories(dir.path() / "mirsa" / "New");
  std::ofstream(dir.path() / "mirsa" / "Param.tlv") << "x";
  EXPECT_EQ(platform::BelowCurrentDir("\\MIRSA\\NEW"), dir.path() / "mirsa" / "New");
  EXPECT_EQ(platform::BelowCurrentDir("\\mirsa\\param.TLV"), dir.path() / "mirsa" / "Param.tlv");
}

TEST(CaseBlindPath, MissingComponentsKeepTheirSpelling) {
  testing_support::TempDir dir;
  fs::create_directories(dir.path() / "mirsa");
  EXPECT_EQ(platform::BelowCurrentDir("\\MIRSA\\Checked\\CHECKAPP.12"),
            dir.path() / "mirsa" / "Checked" / "CHECKAPP.12");
}

TEST(CaseBlindPath, TheCurrentDirectoryIsReadAtEveryUse) {
  testing_support::TempDir first;
  const fs::path inFirst = platform::BelowCurrentDir("MIRSA");
  testing_support::TempDir second;
  EXPECT_EQ(inFirst, first.path() / "MIRSA");
  EXPECT_EQ(platform::BelowCurrentDir("MIRSA"), second.path() / "MIRSA");
}

TEST(CaseBlindPath, LongCurrentDirectoriesWork) {
  testing_support::TempDir dir;
  fs::path deep = dir.path();
  for (int i = 0; i < 12; ++i) deep /= std::string(40, static_cast<char>('a' + i));
  fs::create_directories(deep);
  fs::current_path(deep);
  fs::create_directory(deep / "MIRSA");
  EXPECT_GT(deep.string().size(), 400u);
  EXPECT_EQ(platform::BelowCurrentDir("\\mirsa"), deep / "MIRSA");
}

}  // namespace
