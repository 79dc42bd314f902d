#include "mirsaclient/shell/FileScrambler.h"

#include <cstdio>
#include <cstring>
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

namespace {

// Copies `n` bytes combined with the scramble byte, eight at a time.
void ScrambleCopy(const char* from, std::size_t n, char* to) {
  constexpr std::uint64_t kWord = 0x0101010101010101ULL * static_cast<unsigned char>(kScrambleByte);
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t w;
    std::memcpy(&w, from + i, 8);
    w ^= kWord;
    std::memcpy(to + i, &w, 8);
  }
  for (; i < n; ++i) to[i] = static_cast<char>(from[i] ^ kScrambleByte);
}

// The plain byte whose scrambled form is LF, which text-mode writing turns into CR LF.
constexpr char kPlainOfLf = static_cast<char>('\n' ^ kScrambleByte);

// Text-mode reading, the exclusive-or and text-mode writing of one block, in one pass.
class BlockScrambler {
 public:
  // Answers the bytes to write for `block`; `last` when no block follows.
  std::string_view Next(std::string_view block, bool last) {
    out_.resize(2 * block.size() + 2);
    char* to = out_.data();
    if (ended_) return {};
    const bool plainRun = block.find(platform::kEndOfFileByte) == std::string_view::npos &&
                          block.find(kPlainOfLf) == std::string_view::npos;
    std::size_t i = 0;
    if (pendingCr_ && !block.empty()) {
      pendingCr_ = false;
      Emit(block[0] == '\n' ? '\n' : '\r', to);
      if (block[0] == '\n') i = 1;
    }
    while (i < block.size()) {
      if (plainRun) {
        // The common case: only CRs need a look; whole runs between them are copied.
        const std::size_t cr = block.find('\r', i);
        const std::size_t runEnd = cr == std::string_view::npos ? block.size() : cr;
        ScrambleCopy(block.data() + i, runEnd - i, to);
        to += runEnd - i;
        i = runEnd;
        if (cr == std::string_view::npos) break;
      } else if (block[i] != '\r') {
        if (block[i] == platform::kEndOfFileByte) {
          ended_ = true;
          break;
        }
        Emit(block[i++], to);
        continue;
      }
      // A CR: with an LF after it the pair reads as one LF; at the block's end, wait.
      if (i + 1 == block.size()) {
        pendingCr_ = true;
        break;
      }
      const bool pair = block[i + 1] == '\n';
      Emit(pair ? '\n' : '\r', to);
      i += pair ? 2 : 1;
    }
    if (last && pendingCr_ && !ended_) Emit('\r', to);
    if (last) ended_ = true;
    return {out_.data(), static_cast<std::size_t>(to - out_.data())};
  }
  bool ended() const { return ended_; }

 private:
  static void Emit(char plain, char*& to) {
    const char scrambled = static_cast<char>(plain ^ kScrambleByte);
    if (scrambled == '\n') *to++ = '\r';
    *to++ = scrambled;
  }
  std::string out_;
  bool pendingCr_ = false;
  bool ended_ = false;
};

}  // namespace

int FileScrambler(const std::filesystem::path& source, const std::filesystem::path& target) {
  File in(std::fopen(source.c_str(), "rb"));
  if (!in) return kSourceNotOpened;
  File out(std::fopen(target.c_str(), "wb"));
  if (!out) return kTargetNotOpened;

  std::vector<char> block(kBlockSize);
  BlockScrambler scrambler;
  while (!scrambler.ended()) {
    const std::size_t n = std::fread(block.data(), 1, block.size(), in.get());
    const std::string_view raw = scrambler.Next({block.data(), n}, n < block.size());
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
