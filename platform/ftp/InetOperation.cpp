#include "platform/ftp/InetOperation.h"

#include <charconv>
#include <vector>

#include "platform/CaseBlindPath.h"

namespace platform {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Splits arguments at blanks; a double-quoted argument runs to its closing quote.
std::optional<std::vector<std::string>> SplitArguments(std::string_view text) {
  std::vector<std::string> arguments;
  std::size_t i = 0;
  while (true) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i == text.size()) return arguments;
    if (text[i] == '"') {
      const std::size_t close = text.find('"', i + 1);
      if (close == std::string_view::npos) return std::nullopt;
      arguments.emplace_back(text.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      std::size_t end = i;
      while (end < text.size() && !IsBlank(text[end]) && text[end] != '"') ++end;
      arguments.emplace_back(text.substr(i, end - i));
      i = end;
    }
  }
}

}  // namespace

std::optional<InetCommand> ParseInetOperation(std::string_view operation) {
  operation = Trim(operation);
  std::size_t verbEnd = 0;
  while (verbEnd < operation.size() && !IsBlank(operation[verbEnd]) && operation[verbEnd] != '"')
    ++verbEnd;
  const std::string_view verb = operation.substr(0, verbEnd);
  const std::string_view rest = Trim(operation.substr(verbEnd));

  InetCommand command;
  if (EqualsIgnoringCase(verb, "CDUP")) {
    if (!rest.empty()) return std::nullopt;
    command.verb = InetCommand::Verb::ChangeDirectory;
    command.first = "..";
    return command;
  }
  if (EqualsIgnoringCase(verb, "CLOSE") || EqualsIgnoringCase(verb, "QUIT")) {
    if (!rest.empty()) return std::nullopt;
    command.verb = InetCommand::Verb::Close;
    return command;
  }
  if (EqualsIgnoringCase(verb, "CD")) {
    // A folder name may hold blanks: the whole rest is the folder, unless it is quoted.
    command.verb = InetCommand::Verb::ChangeDirectory;
    if (!rest.empty() && rest.front() == '"') {
      const auto arguments = SplitArguments(rest);
      if (!arguments || arguments->size() != 1) return std::nullopt;
      command.first = arguments->front();
    } else {
      command.first = std::string(rest);
    }
    if (command.first.empty()) return std::nullopt;
    return command;
  }
  const bool put = EqualsIgnoringCase(verb, "PUT");
  if (put || EqualsIgnoringCase(verb, "GET")) {
    const auto arguments = SplitArguments(rest);
    if (!arguments || arguments->size() != 2) return std::nullopt;
    if ((*arguments)[0].empty() || (*arguments)[1].empty()) return std::nullopt;
    command.verb = put ? InetCommand::Verb::Put : InetCommand::Verb::Get;
    command.first = (*arguments)[0];
    command.second = (*arguments)[1];
    return command;
  }
  return std::nullopt;
}

std::optional<FtpAddress> ParseFtpUrl(std::string_view url) {
  url = Trim(url);
  constexpr std::string_view kScheme = "ftp://";
  if (url.size() >= kScheme.size() && EqualsIgnoringCase(url.substr(0, kScheme.size()), kScheme)) {
    url.remove_prefix(kScheme.size());
  } else if (url.find("://") != std::string_view::npos) {
    return std::nullopt;  // another scheme
  }
  std::string_view authority = url.substr(0, url.find('/'));

  FtpAddress address;
  if (const std::size_t at = authority.rfind('@'); at != std::string_view::npos) {
    const std::string_view login = authority.substr(0, at);
    const std::size_t colon = login.find(':');
    address.userName = std::string(login.substr(0, colon));
    if (colon != std::string_view::npos) address.password = std::string(login.substr(colon + 1));
    authority.remove_prefix(at + 1);
  }

  std::string_view host = authority;
  std::string_view port;
  if (!host.empty() && host.front() == '[') {  // [IPv6]:port
    const std::size_t close = host.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    const std::string_view after = host.substr(close + 1);
    if (!after.empty()) {
      if (after.front() != ':') return std::nullopt;
      port = after.substr(1);
    }
    host = host.substr(1, close - 1);
  } else if (const std::size_t colon = host.rfind(':'); colon != std::string_view::npos) {
    port = host.substr(colon + 1);
    host = host.substr(0, colon);
  }
  if (host.empty()) return std::nullopt;
  address.host = std::string(host);
  if (!port.empty()) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (error != std::errc{} || end != port.data() + port.size() || value == 0 || value > 65535)
      return std::nullopt;
    address.port = static_cast<std::uint16_t>(value);
  }
  return address;
}

}  // namespace platform
