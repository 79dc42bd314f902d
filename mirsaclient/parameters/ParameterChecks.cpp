#include "mirsaclient/parameters/ParameterChecks.h"

namespace mirsa {
namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";
constexpr std::size_t kGroupDigits = 4;

std::string WithoutLeadingZeros(std::string_view digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string_view::npos ? std::string() : std::string(digits.substr(first));
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return std::string(text.substr(first, last - first + 1));
}

MemberCodeGroups SplitMemberCode(std::string_view memberCode) {
  auto group = [memberCode](std::size_t n) {
    return WithoutLeadingZeros(
        memberCode.substr(std::min(n * kGroupDigits, memberCode.size()), kGroupDigits));
  };
  return {group(0), group(1), group(2)};
}

bool IsPlrHundredOrMore(std::string_view plr) {
  return (plr.size() > 2 && plr.find('.') == std::string_view::npos) || plr.substr(0, 3) == "100";
}

bool HasInvalidPlrCharacter(std::string_view plr) {
  return plr.find_first_not_of("0123456789.") != std::string_view::npos;
}

bool IsAcceptableEmailId(std::string_view email) {
  return email.empty() || email.find('@') != std::string_view::npos;
}

std::string OneLineField(std::string_view text) {
  std::string field;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '|') continue;
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    field.push_back(c == '\r' || c == '\n' ? ' ' : c);
  }
  return field;
}

}  // namespace mirsa
