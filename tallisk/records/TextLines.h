#pragma once
// Lines and "|"-separated fields of the calculator's text files, as text-mode reading delivers
// them (line breaks already LF). Fields are not escaped: a "|" always separates.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallisk {

// The text-mode content of a file; nothing when it is no readable file (a folder in its place,
// for one, whose reading would throw).
std::optional<std::string> ReadFileText(const std::filesystem::path& path);

// The lines of `text`; a final LF ends the last line without starting another.
std::vector<std::string_view> ListLines(std::string_view text);

// Whether the line holds only white space.
bool IsBlankLine(std::string_view line);

// The fields of `line` split at every "|" ("a|b|" gives "a", "b", "").
void SplitFields(std::string_view line, std::vector<std::string_view>& fields);

}  // namespace tallisk
