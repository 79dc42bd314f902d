#include "platform/ftp/FtpPath.h"

namespace platform {

std::string RemotePath::ToString() const {
  std::string text = absolute ? "/" : "";
  for (std::size_t i = 0; i < components.size(); ++i) {
    if (i > 0) text += '/';
    text += components[i];
  }
  return text;
}

RemotePath ResolveRemotePath(const RemotePath& base, std::string_view path) {
  const bool absolute = !path.empty() && (path.front() == '/' || path.front() == '\\');
  RemotePath resolved = absolute ? RemotePath{true, {}} : base;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find_first_of("/\\", start);
    if (end == std::string_view::npos) end = path.size();
    const std::string_view component = path.substr(start, end - start);
    if (component == "..") {
      // Above the root there is nothing; above the login folder the server decides.
      if (!resolved.components.empty() && resolved.components.back() != "..") {
        resolved.components.pop_back();
      } else if (!resolved.absolute) {
        resolved.components.emplace_back("..");
      }
    } else if (!component.empty() && component != ".") {
      resolved.components.emplace_back(component);
    }
    start = end + 1;
  }
  return resolved;
}

std::string EncodeUrlComponent(std::string_view component) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char c : component) {
    const auto byte = static_cast<unsigned char>(c);
    const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                       (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' || c == '~';
    if (plain) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0x0F];
    }
  }
  return encoded;
}

std::string FtpUrl(std::string_view host, std::uint16_t port, const RemotePath& path, bool folder) {
  std::string url = "ftp://";
  const bool ipv6 = host.find(':') != std::string_view::npos;
  if (ipv6) url += '[';
  url += host;
  if (ipv6) url += ']';
  url += ':' + std::to_string(port) + '/';
  if (path.absolute) url += "%2F";
  for (std::size_t i = 0; i < path.components.size(); ++i) {
    if (i > 0) url += '/';
    url += EncodeUrlComponent(path.components[i]);
  }
  if (folder && (path.absolute || !path.components.empty())) url += '/';
  return url;
}

}  // namespace platform
