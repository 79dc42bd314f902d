#pragma once
// The branch's parameter file "MIRSA\Param.tlv": one stored line of 22 fields joined by '|'.

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mirsa {

// Field numbers of the parameter line.
enum ParameterField : int {
  kMemberCode = 0,
  kBankName = 1,
  kBankCode = 2,
  kZoneCode = 3,
  kBranchCode = 4,
  kPlr = 5,
  kAddress = 6,
  kCity = 7,
  kPin = 8,
  kPhoneNumber = 9,
  kPhoneStdCode = 10,
  kFaxNumber = 11,
  kFaxStdCode = 12,
  kMaker1Id = 13,
  kMaker1Password = 14,
  kMaker2Id = 15,
  kMaker2Password = 16,
  kCheckerId = 17,
  kCheckerPassword = 18,
  kServerAddress = 19,
  kEmailId = 20,
  kConnectionName = 21,
};

inline constexpr int kParameterFieldCount = 22;

struct ParameterSet {
  std::array<std::string, kParameterFieldCount> fields;

  std::string& operator[](ParameterField f) { return fields[f]; }
  const std::string& operator[](ParameterField f) const { return fields[f]; }
  bool operator==(const ParameterSet&) const = default;
};

// Fields 0 to 20 end at the next '|'; field 21 is all the rest, '|' included. A line with
// fewer separators leaves the missing fields empty. Nothing is trimmed.
ParameterSet SplitParameterLine(std::string_view line);
std::string JoinParameterFields(const ParameterSet& parameters);

// "MIRSA\Param.tlv" below the current directory (resolved without regard to case).
std::filesystem::path ParameterFilePath();
bool ParameterFileExists();

// Reads the first line of the stored file and splits it, decoding in memory: the file is not
// rewritten. Nothing when the file cannot be read.
std::optional<ParameterSet> ReadParameterFile();

// Stores the 22 fields as one line without a line break, replacing the file atomically.
bool WriteParameterFile(const ParameterSet& parameters);

}  // namespace mirsa
