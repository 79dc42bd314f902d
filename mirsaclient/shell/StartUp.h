#pragma once
// The start-up sequence, run once after the first paint of the main view: the working
// directories, the check of the parameter file, and the hand-over to the first-run parameter
// maintenance or to the login.

#include <string>

namespace ui {
class Toolkit;
}

namespace mirsa {

void RunStartUpSequence(ui::Toolkit& toolkit);

// Whether a member code is what the parameter file must hold: exactly 12 digits.
bool IsWellFormedMemberCode(const std::string& memberCode);

}  // namespace mirsa
