#include "tallisk/member/dlgMemid.h"

#include "tallisk/KeyFilters.h"
#include "tallisk/MsgBox.h"
#include "tallisk/member/MemberSearch.h"
#include "tallisk/member/dlgMemidLayout.h"
#include "tallisk/records/NumberText.h"

namespace tallisk {

using namespace memid;

dlgMemid::dlgMemid(ui::Toolkit& toolkit, const ProgramFiles& files)
    : ui::Dialog(toolkit, Layout()), files_(files) {
  SetMessageBoxesMoveFocus(false);
  SetCancelButton(control(CancelButton).id());
  for (std::string_view box : {txtBankID, txtZoneID, txtBranchID}) {
    On(box, ui::Event::FocusIn, [this, box] { control(box).SelectAllText(); });
    OnValidate(control(box).id(), [this, box] {
      PadBox(box);
      return true;
    });
    // A refused key is dropped silently in the bank box, with the beep in the others.
    const bool beep = box != txtBankID;
    OnKey(control(box).id(), [this, beep](ui::Key& key) { FilterKey(key, beep); });
  }
  On(OKButton, ui::Event::Click, [this] { OnOKButton(); });
  On(CancelButton, ui::Event::Click, [this] { EndDialog(ui::IDCANCEL); });
}

std::string dlgMemid::PaddedId(std::string_view text) {
  std::string id(Trimmed(text));
  if (id.size() < 4) id.insert(0, 4 - id.size(), '0');
  return id;
}

void dlgMemid::FilterKey(ui::Key& key, bool beepOnRefusal) {
  if (!IsTypedCharacter(key) || IsDigitOrBackspace(key)) return;
  key.code = ui::Key::kNone;
  if (beepOnRefusal) toolkit().Beep();
}

void dlgMemid::PadBox(std::string_view name) {
  control(name).SetText(PaddedId(control(name).text()));
}

void dlgMemid::OnOKButton() {
  // Enter presses OK without leaving the box; the box that still has the focus is padded here
  // as leaving it would have done.
  for (std::string_view box : {txtBankID, txtZoneID, txtBranchID}) PadBox(box);
  const std::string bank = control(txtBankID).text();
  const std::string zone = control(txtZoneID).text();
  const std::string branch = control(txtBranchID).text();
  const std::string memberId = bank + zone + branch;
  // Without a list file the ID cannot be searched; the branch confirms it and starts without a
  // list (the cut-down then reports the missing file).
  const bool found = ListHasMember(files_.AccountList(), memberId).value_or(true);
  if (!found) {
    MsgBox(toolkit(), "Invalid Member ID");
    EmptyBoxesAndRestart();
    return;
  }
  const std::string question = "You Entered the member ID as " + bank + "-" + zone + "-" + branch +
                               "\r\nPlease Verify Your Member ID again. Do you wish to modify?";
  if (MsgBox(toolkit(), question, "Important!", ui::Buttons::YesNo, ui::Icon::Warning) ==
      ui::Answer::Yes) {
    EmptyBoxesAndRestart();
    return;
  }
  memberId_ = memberId;
  EndDialog(ui::IDOK);
}

void dlgMemid::EmptyBoxesAndRestart() {
  // The focus moves first: leaving a box pads it, and the boxes are to be left empty.
  SetFocus(txtBankID);
  for (std::string_view box : {txtBankID, txtZoneID, txtBranchID}) control(box).SetText("");
}

}  // namespace tallisk
