#include "mirsaclient/shell/WorkingDirs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "tests/support/TempDir.h"

namespace {

namespace fs = std::filesystem;

TEST(WorkingDirs, ExistsAndCreate) {
  testing_support::TempDir dir;
  fs::create_directory("mirsa");
  EXPECT_FALSE(mirsa::WorkingDirExists("NEW"));
  EXPECT_TRUE(mirsa::CreateWorkingDir("NEW"));
  EXPECT_TRUE(mirsa::WorkingDirExists("New")) << "names are looked up without regard to case";
  EXPECT_FALSE(mirsa::CreateWorkingDir("new")) << "it exists already";
  std::ofstream("mirsa/Checked") << "a plain file";
  EXPECT_FALSE(mirsa::WorkingDirExists("Checked"));
}

TEST(WorkingDirs, ListFolderFilesLeavesOutNamesEndingInDollars) {
  testing_support::TempDir dir;
  fs::create_directory("out");
  for (const char* name : {"H1.txt", "H2.$$$", "A$$$B", "sub"}) {
    if (std::string(name) == "sub")
      fs::create_directory(fs::path("out") / name);
    else
      std::ofstream(fs::path("out") / name) << "x";
  }
  std::vector<std::string> paths, names;
  mirsa::ListFolderFiles(fs::current_path() / "out", paths, names);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"A$$$B", "H1.txt", "sub"}));
  EXPECT_EQ(paths.size(), 3u);
}

}  // namespace
