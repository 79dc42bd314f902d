#pragma once
// The programs name their folders and files with differing letter case ("NEW" and "New",
// "\mirsa\param.zox" beside "\MIRSA\Param.tlv") on a file system that ignores case. Here every
// look-up resolves each component by scanning its folder without regard to case; a component
// that does not exist yet keeps the spelling it was given, so new entries get one fixed name.

#include <filesystem>
#include <string_view>

namespace platform {

// The process's current directory, read afresh at every call.
std::filesystem::path CurrentDir();

// Resolves `relative` (components separated by '\' or '/', leading separators ignored) below
// `base`, matching each existing component without regard to letter case.
std::filesystem::path ResolveCaseBlind(const std::filesystem::path& base,
                                       std::string_view relative);

// ResolveCaseBlind below the current directory.
std::filesystem::path BelowCurrentDir(std::string_view relative);

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace platform
