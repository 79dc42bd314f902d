#pragma once
// The account list that the trust supplies ("tvpans.txt"): one guaranteed account a line, its
// fields separated by "|": member ID, TVPAN, cover start date, borrower, term credit sanctioned,
// working capital sanctioned (further fields are ignored). Loaded, it is indexed by TVPAN
// (trimmed, without regard to case) and by member ID, so that the look-ups of the entry form
// stay instant for lists of any length.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace tallisk {

struct AccountEntry {
  std::string memberId;
  std::string tvpan;
  std::string coverStartDate;  // empty when the cover has not started
  std::string borrowerName;
  std::string termCreditSanctioned;
  std::string workingCapitalSanctioned;
};

// Member IDs whose zone and branch are "0000" stand for every branch of their bank.
bool IsBankLevel(std::string_view memberId);

class AccountList {
 public:
  struct LoadResult {
    bool ok = true;
    std::string errorDescription;  // what went wrong, when not ok
  };

  // Reads the file: blank lines are skipped, every field is trimmed. A missing file or a line of
  // fewer than six fields fails the load and clears the flag; entries read before stay.
  LoadResult Load(const std::filesystem::path& file);

  // Whether a list is loaded (set at start when the file exists and after a good load).
  bool loaded() const { return loaded_; }
  void SetLoaded(bool loaded) { loaded_ = loaded; }

  // The number of entries of the loaded list; 0 while none is loaded.
  std::size_t size() const { return loaded_ ? entries_.size() : 0; }
  const std::vector<AccountEntry>& entries() const { return entries_; }
  const AccountEntry& entry(std::size_t position) const { return entries_.at(position); }

  // The position of the first entry with this TVPAN (both trimmed, without regard to case);
  // none when there is none or no list is loaded.
  std::optional<std::size_t> FindTvpan(std::string_view tvpan) const;

  // True when no list is loaded; otherwise when an entry belongs to `memberId`, or, for a
  // bank-level `currentMemberId`, to any branch of that bank.
  bool MemberKnown(std::string_view memberId, std::string_view currentMemberId) const;

  // True when no list is loaded; otherwise when an entry of a member ID that begins with
  // `bankId` has exactly this TVPAN (trimmed, with regard to case).
  bool TvpanOfBank(std::string_view bankId, std::string_view tvpan) const;

 private:
  void Clear();
  void Index(std::size_t position);

  std::vector<AccountEntry> entries_;
  bool loaded_ = false;
  // Folded TVPAN -> its first and last entry; every entry links to the next one of its TVPAN.
  struct Chain {
    std::uint32_t first;
    std::uint32_t last;
  };
  std::unordered_map<std::string, Chain> firstOfTvpan_;
  std::vector<std::uint32_t> nextOfTvpan_;
  std::unordered_set<std::string> memberIds_;
  std::unordered_set<std::string> bankIds_;  // the first four characters of the member IDs
};

}  // namespace tallisk
