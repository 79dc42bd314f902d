#pragma once
// What the calculator keeps for the run: its files, the member ID it works for and the account
// list.

#include <string>

#include "tallisk/member/AccountList.h"
#include "tallisk/member/ProgramFiles.h"

namespace tallisk {

struct TalliskSession {
  ProgramFiles files;
  std::string currentMemberId;  // fixed at start-up: by the header file or the member ID dialog
  AccountList accounts;
};

}  // namespace tallisk
