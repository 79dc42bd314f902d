#pragma once
// Text files with the same rules on every OS, as the branch programs were written for:
// writing turns every LF into CR LF; reading turns CR LF into LF and stops at byte 0x1A.
// Stored files are then byte for byte those that the programs have always written.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

inline constexpr char kEndOfFileByte = '\x1A';

// The bytes that text-mode writing of `logical` puts on disk.
std::string ToTextMode(std::string_view logical);

// What text-mode reading of `raw` delivers.
std::string FromTextMode(std::string_view raw);

// Incremental text-mode reading, for data that arrives in blocks: a CR at the end of one
// block is held back until the next block tells whether an LF follows it.
class TextModeReader {
 public:
  // Appends what `block` delivers to `out`; returns false once the end-of-file byte was met.
  bool Feed(std::string_view block, std::string& out);
  // Delivers a CR still held back at the end of the input.
  void Finish(std::string& out);
  bool ended() const { return ended_; }

 private:
  bool pendingCr_ = false;
  bool ended_ = false;
};

// Whole-file helpers. Reading answers nothing when the file cannot be opened.
std::optional<std::string> ReadBinaryFile(const std::filesystem::path& path);
std::optional<std::string> ReadTextFile(const std::filesystem::path& path);

// Splits logical text into lines at LF (a final line without LF counts; a final LF ends the
// last line without starting another).
std::string_view FirstLine(std::string_view logical);

}  // namespace platform
