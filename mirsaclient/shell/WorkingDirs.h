#pragma once
// The working directories below the current directory: the root "MIRSA" and its "Export",
// "NEW", "Checked" and "SENT" folders. Every path is built from the current directory at the
// moment of use and looked up without regard to letter case.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace mirsa {

inline constexpr const char* kWorkingRootName = "MIRSA";

// "MIRSA" below the current directory.
std::filesystem::path WorkingRoot();
// A path below the current directory, given as the client spells it ("\MIRSA\NEW\...").
std::filesystem::path ClientPath(std::string_view relative);

// Whether "MIRSA\<name>" is a directory.
bool WorkingDirExists(std::string_view name);
// Creates "MIRSA\<name>" (one level); false also when it exists already.
bool CreateWorkingDir(std::string_view name);
// Every entry of `folder` whose full path does not end in "$$$", in enumeration order.
void ListFolderFiles(const std::filesystem::path& folder, std::vector<std::string>& fullPaths,
                     std::vector<std::string>& names);

}  // namespace mirsa
