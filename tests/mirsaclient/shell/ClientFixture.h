#pragma once
// A client test: a fresh current directory, a fresh process state, and the scripted driver.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "mirsaclient/shell/ParameterFile.h"
#include "mirsaclient/shell/ProcessState.h"
#include "tests/support/TempDir.h"
#include "ui/ScriptDriver.h"
#include "ui/Toolkit.h"

namespace mirsa_test {

// The plain parameter line of the tests' branch.
inline mirsa::ParameterSet BranchParameters() {
  mirsa::ParameterSet p;
  p[mirsa::kMemberCode] = "000100020003";
  p[mirsa::kBankName] = "FIRST BANK MAIN BRANCH";
  p[mirsa::kBankCode] = "1";
  p[mirsa::kZoneCode] = "2";
  p[mirsa::kBranchCode] = "3";
  p[mirsa::kPlr] = "12.5";
  p[mirsa::kAddress] = "1 MARKET ROAD";
  p[mirsa::kCity] = "PUNE";
  p[mirsa::kMaker1Id] = "Maker1";
  p[mirsa::kMaker1Password] = "Secret1";
  p[mirsa::kMaker2Id] = "MAKER2";
  p[mirsa::kMaker2Password] = "secret2";
  p[mirsa::kCheckerId] = "CHECKER";
  p[mirsa::kCheckerPassword] = "Check";
  p[mirsa::kServerAddress] = "127.0.0.1";
  p[mirsa::kConnectionName] = "My Connection";
  return p;
}

// Writes "MIRSA\Param.tlv" as another program would: each byte of the plain line XOR 0xC7,
// without a line break.
inline std::string WriteForeignParameterFile(const std::string& plainLine) {
  std::filesystem::create_directories("MIRSA");
  std::string stored = plainLine;
  for (char& c : stored) c = static_cast<char>(c ^ 0xC7);
  std::ofstream("MIRSA/Param.tlv", std::ios::binary) << stored;
  return stored;
}

class ClientTest : public ::testing::Test {
 protected:
  ClientTest() { mirsa::ResetProcessState(); }
  ~ClientTest() override { mirsa::ResetProcessState(); }

  testing_support::TempDir dir;
  ui::ScriptDriver driver;
  ui::Toolkit toolkit{driver};
};

}  // namespace mirsa_test
