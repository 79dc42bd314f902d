#pragma once
// The rules that the parameter dialog applies to its texts, apart from the dialog.

#include <string>
#include <string_view>

namespace mirsa {

inline constexpr std::size_t kMemberCodeDigits = 12;

// Without blanks (white space) on either side.
std::string TrimBlanks(std::string_view text);

// The bank, zone and branch codes of a 12-character member code: its three groups of four,
// each without leading zeros (a group of zeros gives an empty code).
struct MemberCodeGroups {
  std::string bank;
  std::string zone;
  std::string branch;
};
MemberCodeGroups SplitMemberCode(std::string_view memberCode);

// A trimmed PLR that is refused as 100 or more: longer than two characters without a '.', or
// beginning with "100". So 125 and 100.5 are refused and 150.5 is not.
bool IsPlrHundredOrMore(std::string_view plr);
// A PLR holding a character other than a digit or '.'.
bool HasInvalidPlrCharacter(std::string_view plr);

// An e-mail id is empty or holds an '@'.
bool IsAcceptableEmailId(std::string_view email);

// What a box's text becomes in the one-line parameter file: each line break (CR LF, CR or LF)
// a blank, and no '|', which would end the field.
std::string OneLineField(std::string_view text);

}  // namespace mirsa
