#pragma once
// The member ID dialog: the branch identifies itself by its bank, zone and branch IDs the first
// time in a year. OK searches the account list for the member ID and, after the branch has
// confirmed it, ends the dialog with IDOK; Cancel ends it with IDCANCEL.

#include <string>

#include "tallisk/member/TalliskSession.h"
#include "ui/Dialog.h"

namespace tallisk {

class dlgMemid : public ui::Dialog {
 public:
  dlgMemid(ui::Toolkit& toolkit, const ProgramFiles& files);

  // The member ID accepted by OK.
  const std::string& memberId() const { return memberId_; }

  // A box's text as it is when left: trimmed, then padded with "0" on the left to four
  // characters ("12" -> "0012", "" -> "0000"); longer texts stay as they are.
  static std::string PaddedId(std::string_view text);

 private:
  void FilterKey(ui::Key& key, bool beepOnRefusal);
  void PadBox(std::string_view name);
  void OnOKButton();
  void EmptyBoxesAndRestart();

  const ProgramFiles& files_;
  std::string memberId_;
};

}  // namespace tallisk
