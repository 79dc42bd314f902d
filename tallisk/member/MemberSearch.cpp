#include "tallisk/member/MemberSearch.h"

#include <string>
#include <system_error>

#include "platform/AtomicFile.h"
#include "platform/TextMode.h"
#include "tallisk/member/AccountList.h"
#include "tallisk/records/TextLines.h"

namespace tallisk {

namespace fs = std::filesystem;

bool LineOfMember(std::string_view line, std::string_view memberId) {
  const std::string_view first = line.substr(0, line.find('|'));
  if (IsBankLevel(memberId)) return first.starts_with(memberId.substr(0, 4));
  return first == memberId;
}

std::optional<bool> ListHasMember(const fs::path& listFile, std::string_view memberId) {
  const auto text = ReadFileText(listFile);
  if (!text) return std::nullopt;
  for (std::string_view line : ListLines(*text)) {
    if (!IsBlankLine(line) && LineOfMember(line, memberId)) return true;
  }
  return false;
}

CutDownResult CutDownAccountList(const ProgramFiles& files, std::string_view memberId) {
  const fs::path list = files.AccountList();
  std::error_code ec;
  if (!fs::exists(list, ec)) return CutDownResult::ListMissing;
  const auto text = ReadFileText(list);
  if (!text) return CutDownResult::Unchanged;
  std::string kept;
  for (std::string_view line : ListLines(*text)) {
    if (IsBlankLine(line) || !LineOfMember(line, memberId)) continue;
    kept.append(line);
    kept.push_back('\n');
  }
  const fs::path scratch = files.Scratch();
  if (!platform::ReplaceFileAtomically(scratch, platform::ToTextMode(kept)))
    return CutDownResult::Unchanged;
  fs::rename(scratch, list, ec);
  if (ec) {
    fs::remove(scratch, ec);
    return CutDownResult::Unchanged;
  }
  return CutDownResult::Done;
}

}  // namespace tallisk
