#pragma once
// Remote paths of an FTP session. The programs name remote files with '/' or '\' separators,
// absolute ("/MIRSA/Korvex/new/x") or relative to the folder that the session changed to
// ("./TalliskInfo/x"). A path is resolved against the session's folder without asking the
// server: "." components are dropped and ".." takes the last component off.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct RemotePath {
  bool absolute = false;  // false: below the folder the server logs the user into
  std::vector<std::string> components;

  // "/MIRSA/TalliskInfo", "MIRSA", "/" or "" (the login folder).
  std::string ToString() const;
  bool operator==(const RemotePath&) const = default;
};

// Resolves `path` against `base` (the session's current folder).
RemotePath ResolveRemotePath(const RemotePath& base, std::string_view path);

// The URL of the remote folder or file: "ftp://host:port/" followed by the components, each
// percent-encoded; an absolute path starts with "%2F" so that the server is asked for the
// folder from its root, not from the login folder. A folder's URL ends in '/'.
std::string FtpUrl(std::string_view host, std::uint16_t port, const RemotePath& path, bool folder);

// Percent-encodes one path component (everything but letters, digits and "-._~").
std::string EncodeUrlComponent(std::string_view component);

}  // namespace platform
