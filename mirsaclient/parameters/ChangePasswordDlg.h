#pragma once
// Change password, dialog 136: changes the password of maker 1, maker 2 or the checker in the
// password box of the parameter dialog that owns it. Nothing is written here: the owner's next
// save stores the new password. Cancel is the default button, so Enter cancels.

#include <string_view>

#include "ui/Dialog.h"

namespace mirsa {

// Whose password is changed.
inline constexpr const char* kTargetMaker1 = "M1";
inline constexpr const char* kTargetMaker2 = "M2";
inline constexpr const char* kTargetChecker = "C";

class CChangePasswordDlg : public ui::Dialog {
 public:
  // `owner` is the parameter dialog (135); an unknown target is refused (std::invalid_argument).
  CChangePasswordDlg(ui::Toolkit& toolkit, ui::Dialog& owner, std::string_view target);

 protected:
  bool OnInitDialog() override;
  void OnOK() override;

 private:
  void Inform(const char* text);

  ui::Dialog& owner_;
  int ownerBox_;  // the owner's password box of the target
};

}  // namespace mirsa
