#pragma once
// What the calculator keeps for the run: its files, the member ID it works for, the account
// list and the FTP server the output file goes to.

#include <string>

#include "tallisk/member/AccountList.h"
#include "tallisk/member/ProgramFiles.h"
#include "tallisk/upload/TrustFtpServer.h"

namespace tallisk {

struct TalliskSession {
  ProgramFiles files;
  std::string currentMemberId;  // fixed at start-up: by the header file or the member ID dialog
  AccountList accounts;
  FtpServerAddress uploadServer;  // the trust's, unless a test names its own
};

}  // namespace tallisk
