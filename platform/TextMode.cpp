#include "platform/TextMode.h"

#include <fstream>
#include <iterator>

namespace platform {

std::string ToTextMode(std::string_view logical) {
  std::string raw;
  raw.reserve(logical.size() + logical.size() / 32 + 8);
  std::size_t start = 0;
  while (start < logical.size()) {
    const std::size_t lf = logical.find('\n', start);
    if (lf == std::string_view::npos) {
      raw.append(logical.substr(start));
      break;
    }
    raw.append(logical.substr(start, lf - start));
    raw.append("\r\n");
    start = lf + 1;
  }
  return raw;
}

bool TextModeReader::Feed(std::string_view block, std::string& out) {
  if (ended_) return false;
  out.reserve(out.size() + block.size() + 1);
  for (std::size_t i = 0; i < block.size();) {
    if (pendingCr_) {
      pendingCr_ = false;
      if (block[i] == '\n') {
        out.push_back('\n');
        ++i;
        continue;
      }
      out.push_back('\r');
    }
    // Copy the run of ordinary bytes in one go.
    std::size_t j = i;
    while (j < block.size() && block[j] != '\r' && block[j] != kEndOfFileByte) ++j;
    out.append(block.substr(i, j - i));
    if (j == block.size()) break;
    if (block[j] == kEndOfFileByte) {
      ended_ = true;
      return false;
    }
    pendingCr_ = true;  // a CR: wait for the next byte
    i = j + 1;
  }
  return true;
}

void TextModeReader::Finish(std::string& out) {
  if (pendingCr_ && !ended_) out.push_back('\r');
  pendingCr_ = false;
}

std::string FromTextMode(std::string_view raw) {
  std::string logical;
  TextModeReader reader;
  reader.Feed(raw, logical);
  reader.Finish(logical);
  return logical;
}

std::optional<std::string> ReadBinaryFile(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return std::nullopt;  // a folder reads as nothing
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::optional<std::string> ReadTextFile(const std::filesystem::path& path) {
  auto raw = ReadBinaryFile(path);
  if (!raw) return std::nullopt;
  return FromTextMode(*raw);
}

std::string_view FirstLine(std::string_view logical) {
  return logical.substr(0, logical.find('\n'));
}

}  // namespace platform
