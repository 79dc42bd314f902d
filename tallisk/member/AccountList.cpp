#include "tallisk/member/AccountList.h"

#include <limits>

#include "platform/TextMode.h"
#include "tallisk/records/NumberText.h"
#include "tallisk/records/TextLines.h"
#include "ui/TextCase.h"

namespace tallisk {
namespace {

constexpr std::uint32_t kNoEntry = std::numeric_limits<std::uint32_t>::max();
constexpr std::size_t kBankIdLength = 4;
constexpr std::size_t kAccountFields = 6;

}  // namespace

bool IsBankLevel(std::string_view memberId) {
  return memberId.size() >= 8 && memberId.substr(memberId.size() - 8) == "00000000";
}

void AccountList::Clear() {
  entries_.clear();
  firstOfTvpan_.clear();
  nextOfTvpan_.clear();
  memberIds_.clear();
  bankIds_.clear();
}

void AccountList::Index(std::size_t position) {
  const AccountEntry& e = entries_[position];
  const auto index = static_cast<std::uint32_t>(position);
  nextOfTvpan_.push_back(kNoEntry);
  // Entries come in file order, so the first one of a TVPAN keeps its place as the answer and
  // later ones are chained behind the last of their TVPAN.
  auto [chain, inserted] = firstOfTvpan_.try_emplace(ui::ToUpper(e.tvpan), Chain{index, index});
  if (!inserted) {
    nextOfTvpan_[chain->second.last] = index;
    chain->second.last = index;
  }
  // Lists come grouped by member: a member ID like the last one's is in the sets already.
  if (position > 0 && entries_[position - 1].memberId == e.memberId) return;
  memberIds_.insert(e.memberId);
  if (e.memberId.size() >= kBankIdLength) bankIds_.insert(e.memberId.substr(0, kBankIdLength));
}

AccountList::LoadResult AccountList::Load(const std::filesystem::path& file) {
  Clear();
  const auto text = ReadFileText(file);
  if (!text) {
    loaded_ = false;
    return {false, "File not found: " + file.filename().string()};
  }
  const std::vector<std::string_view> lines = ListLines(*text);
  entries_.reserve(lines.size());
  nextOfTvpan_.reserve(lines.size());
  firstOfTvpan_.reserve(lines.size());
  std::size_t lineNumber = 0;
  std::vector<std::string_view> fields;
  for (std::string_view line : lines) {
    ++lineNumber;
    if (IsBlankLine(line)) continue;
    SplitFields(line, fields);
    if (fields.size() < kAccountFields) {
      loaded_ = false;
      return {false, "Line " + std::to_string(lineNumber) + " of " + file.filename().string() +
                         " has fewer than six fields"};
    }
    entries_.push_back({std::string(Trimmed(fields[0])), std::string(Trimmed(fields[1])),
                        std::string(Trimmed(fields[2])), std::string(Trimmed(fields[3])),
                        std::string(Trimmed(fields[4])), std::string(Trimmed(fields[5]))});
    Index(entries_.size() - 1);
  }
  loaded_ = true;
  return {};
}

std::optional<std::size_t> AccountList::FindTvpan(std::string_view tvpan) const {
  if (!loaded_) return std::nullopt;
  const auto it = firstOfTvpan_.find(ui::ToUpper(Trimmed(tvpan)));
  if (it == firstOfTvpan_.end()) return std::nullopt;
  return it->second.first;
}

bool AccountList::MemberKnown(std::string_view memberId, std::string_view currentMemberId) const {
  if (!loaded_) return true;
  if (memberIds_.contains(std::string(memberId))) return true;
  return IsBankLevel(currentMemberId) && currentMemberId.size() >= kBankIdLength &&
         bankIds_.contains(std::string(currentMemberId.substr(0, kBankIdLength)));
}

bool AccountList::TvpanOfBank(std::string_view bankId, std::string_view tvpan) const {
  if (!loaded_) return true;
  const std::string_view wanted = Trimmed(tvpan);
  const auto it = firstOfTvpan_.find(ui::ToUpper(wanted));
  if (it == firstOfTvpan_.end()) return false;
  for (std::uint32_t i = it->second.first; i != kNoEntry; i = nextOfTvpan_[i]) {
    const AccountEntry& e = entries_[i];
    if (e.tvpan == wanted && e.memberId.starts_with(bankId)) return true;
  }
  return false;
}

}  // namespace tallisk
