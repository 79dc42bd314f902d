#pragma once
// The client's scrambler: every stored file of the client (parameters, record files, scrambled
// exports, the upload package) rests with each byte combined by exclusive-or with the low byte
// of the scramble constant. Files are handled in text mode (platform/TextMode.h), so a stored
// file is byte for byte what the client has always written.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mirsa {

inline constexpr std::uint32_t kScrambleConstant = 0x5d3a19c7;
inline constexpr char kScrambleByte = static_cast<char>(kScrambleConstant & 0xFF);

// Results of FileScrambler.
enum ScramblerResult : int {
  kScrambled = 0,
  kSourceNotOpened = 1,  // no target is created
  kTargetNotOpened = 2,
};

// Transforms `source` into `target` (created, or emptied): reads in text mode, combines each
// byte with the scramble byte, writes in text mode. Its own inverse.
int FileScrambler(const std::filesystem::path& source, const std::filesystem::path& target);

// Each byte combined with the scramble byte.
std::string Scramble(std::string_view bytes);

// The stored bytes of a file whose plain text (as text-mode reading delivers it) is `plain`:
// what writing `plain` in text mode and running FileScrambler over it leaves on disk.
std::string StoredForm(std::string_view plain);

// The plain text that the client's read cycle (FileScrambler to a plain file, then text-mode
// reading) delivers from the stored bytes `stored`, worked out in memory.
std::string PlainForm(std::string_view stored);

// Reads a stored file without rewriting it; nothing when it cannot be opened.
std::optional<std::string> ReadStoredFile(const std::filesystem::path& path);

// Replaces a stored file by the stored form of `plain`, atomically, readable by its owner only.
bool WriteStoredFile(const std::filesystem::path& path, std::string_view plain);

}  // namespace mirsa
