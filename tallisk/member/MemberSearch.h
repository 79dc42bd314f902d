#pragma once
// The member ID against the account list file: the search of the member ID dialog and the
// cutting down of the list to the member's own accounts, made once at the member's first start
// of a year. Both compare the first field of a line exactly as the file writes it (untrimmed).

#include <optional>
#include <string_view>

#include "tallisk/member/ProgramFiles.h"

namespace tallisk {

// Whether a list line belongs to the member: its first field equals the member ID, or, for a
// bank-level member ID, begins with the same four characters.
bool LineOfMember(std::string_view line, std::string_view memberId);

// Whether the list file has a non-blank line of the member; nothing when it cannot be read.
std::optional<bool> ListHasMember(const std::filesystem::path& listFile, std::string_view memberId);

enum class CutDownResult {
  Done,         // the list now holds the member's lines only
  ListMissing,  // there is no list file
  Unchanged,    // the cut-down list could not be written; the list is as it was
};

// Keeps only the member's non-blank lines, in order. The lines go to the scratch file, which
// then replaces the list file in one rename: a crash leaves the old list or the new one.
CutDownResult CutDownAccountList(const ProgramFiles& files, std::string_view memberId);

}  // namespace tallisk
