#include "tallisk/upload/TrustFtpServer.h"

#ifndef TALLISK_FTP_HOST
#error "TALLISK_FTP_HOST is defined by the build (tallisk/CMakeLists.txt)"
#endif

namespace tallisk {

extern const std::string_view kTrustFtpHost = TALLISK_FTP_HOST;

std::string FtpUrl(const FtpServerAddress& server) {
  return "ftp://" + server.host + ":" + std::to_string(server.port);
}

}  // namespace tallisk
