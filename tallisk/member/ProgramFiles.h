#pragma once
// The calculator's files, all in its program directory (the folder of the executable; tests
// pass a folder of their own) or in its "output" subdirectory. Existing files are found without
// regard to letter case; new ones get the spelling below. "YYYY" is the year given.

#include <filesystem>
#include <string_view>

namespace tallisk {

struct ProgramFiles {
  std::filesystem::path programDir;

  std::filesystem::path AccountList() const;                                // "tvpans.txt"
  std::filesystem::path Scratch() const;                                    // "temp.txt"
  std::filesystem::path Header(int year) const;                             // "headerYYYY.txt"
  std::filesystem::path Data(int year) const;                               // "dataYYYY.txt"
  std::filesystem::path OutputDir() const;                                  // "output"
  std::filesystem::path Output(std::string_view memberId, int year) const;  // "output\<id>YYYY.out"
};

// The year of the computer's date now (platform::Clock).
int CurrentYear();

}  // namespace tallisk
