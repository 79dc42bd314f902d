#include "tallisk/member/ProgramFiles.h"

#include <string>

#include "platform/CaseBlindPath.h"
#include "platform/Clock.h"

namespace tallisk {

namespace fs = std::filesystem;

fs::path ProgramFiles::AccountList() const {
  return platform::ResolveCaseBlind(programDir, "tvpans.txt");
}

fs::path ProgramFiles::Scratch() const {
  return platform::ResolveCaseBlind(programDir, "temp.txt");
}

fs::path ProgramFiles::Header(int year) const {
  return platform::ResolveCaseBlind(programDir, "header" + std::to_string(year) + ".txt");
}

fs::path ProgramFiles::Data(int year) const {
  return platform::ResolveCaseBlind(programDir, "data" + std::to_string(year) + ".txt");
}

fs::path ProgramFiles::OutputDir() const {
  return platform::ResolveCaseBlind(programDir, "output");
}

fs::path ProgramFiles::Output(std::string_view memberId, int year) const {
  return platform::ResolveCaseBlind(
      programDir, "output/" + std::string(memberId) + std::to_string(year) + ".out");
}

int CurrentYear() {
  return platform::Clock::Now().year;
}

}  // namespace tallisk
