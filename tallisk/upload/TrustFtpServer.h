#pragma once
// The trust's FTP server, where the calculator puts the year's output file, and the login the
// trust gave every branch. The host is fixed when the program is built (the CMake cache
// variable TALLISK_FTP_HOST, "127.0.0.1" unless the build says otherwise); the port is the FTP
// default. Tests name a server of their own.

#include <cstdint>
#include <string>
#include <string_view>

namespace tallisk {

// The host that the build named (TALLISK_FTP_HOST).
extern const std::string_view kTrustFtpHost;
inline constexpr std::uint16_t kTrustFtpPort = 21;

inline constexpr std::string_view kFtpUserName = "korvexuser";
inline constexpr std::string_view kFtpPassword = "plumbtrevasoke";

struct FtpServerAddress {
  std::string host{kTrustFtpHost};
  std::uint16_t port = kTrustFtpPort;
  bool operator==(const FtpServerAddress&) const = default;
};

// "ftp://host:port", the URL the transfer control is given.
std::string FtpUrl(const FtpServerAddress& server);

}  // namespace tallisk
