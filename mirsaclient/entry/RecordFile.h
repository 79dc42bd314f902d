#pragma once
// The two record files of the applications: "MIRSA\NEW\NEWAPP." and "MIRSA\CHECKED\CHECKAPP."
// followed by the bank code. Plain, a file is a header "member code|count", one record line
// each, and "END" without a line break; it rests in the scrambler's stored form.

#include <filesystem>
#include <string>
#include <vector>

namespace ui {
class Toolkit;
}

namespace mirsa {

enum class RecordFileKind {
  New,      // the makers' applications, 44 separators a line
  Checked,  // the verified applications, 45 separators a line
};

std::filesystem::path RecordFilePath(RecordFileKind kind);
int RecordSeparators(RecordFileKind kind);

inline constexpr const char* kInvalidHeaderMessage = "Wrong File Format. Invalid Header";
inline constexpr const char* kCorruptedRecordsMessage =
    "Records with following Application Numbers corrupted.Please Reenter them\n";

// Replaces the file by the lines in list order, atomically; an empty list removes the file.
// False when the file could not be written or removed.
bool WriteRecordFile(const std::vector<std::string>& lines, RecordFileKind kind);

// Appends the record lines of the file to `lines`, in file order. A header without exactly
// one "|" is reported and reading goes on; a line with the wrong number of separators is left
// out and reported with the others after reading. False, showing nothing, when the file
// cannot be read. The stored file is decoded in memory and left as it was.
bool ReadRecordFile(ui::Toolkit& toolkit, std::vector<std::string>& lines, RecordFileKind kind);

}  // namespace mirsa
