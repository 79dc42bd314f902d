#include "mirsaclient/shell/FileScrambler.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/TextMode.h"

namespace mirsa {
namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

constexpr std::size_t kBlockSize = 1 << 16;

void ScrambleInPlace(std::string& bytes) {
  for (char& c : bytes) c = static_cast<char>(c ^ kScrambleByte);
}

}  // namespace

int FileScrambler(const std::filesystem::path& source, const std::filesystem::path& target) {
  File in(std::fopen(source.c_str(), "rb"));
  if (!in) return kSourceNotOpened;
  File out(std::fopen(target.c_str(), "wb"));
  if (!out) return kTargetNotOpened;

  std::vector<char> block(kBlockSize);
  std::string plain;
  platform::TextModeReader reader;
  bool more = true;
  while (more) {
    const std::size_t n = std::fread(block.data(), 1, block.size(), in.get());
    plain.clear();
    if (n > 0) more = reader.Feed(std::string_view(block.data(), n), plain);
    if (n < block.size()) {
      reader.Finish(plain);
      more = false;
    }
    ScrambleInPlace(plain);
    const std::string raw = platform::ToTextMode(plain);
    if (std::fwrite(raw.data(), 1, raw.size(), out.get()) != raw.size()) break;
  }
  out.reset();
  in.reset();
  return kScrambled;
}

std::string Scramble(std::string_view bytes) {
  std::string out(bytes);
  ScrambleInPlace(out);
  return out;
}

std::string StoredForm(std::string_view plain) {
  // The plain file holds ToTextMode(plain); the scrambler reads it back as `plain`.
  return platform::ToTextMode(Scramble(platform::FromTextMode(platform::ToTextMode(plain))));
}

std::string PlainForm(std::string_view stored) {
  // The scrambler writes the plain file; text-mode reading then delivers its text.
  const std::string plainFile = platform::ToTextMode(Scramble(platform::FromTextMode(stored)));
  return platform::FromTextMode(plainFile);
}

std::optional<std::string> ReadStoredFile(const std::filesystem::path& path) {
  auto stored = platform::ReadBinaryFile(path);
  if (!stored) return std::nullopt;
  return PlainForm(*stored);
}

bool WriteStoredFile(const std::filesystem::path& path, std::string_view plain) {
  return platform::ReplaceFileAtomically(path, StoredForm(plain), platform::FileAccess::OwnerOnly);
}

}  // namespace mirsa
