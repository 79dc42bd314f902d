#pragma once
// Parameter maintenance, dialog 135: where the branch's parameter file is entered the first
// time and changed later. It decides its mode itself when it opens: without a parameter file
// it is the first run (a save creates the file and goes on to the login; leaving without one
// ends the process); with one it shows the stored parameters read-only until Edit is pressed.
// It ends only through Close, Save or the member-code prompt; Escape, Enter and the close box
// do nothing.

#include <vector>

#include "mirsaclient/shell/ParameterFile.h"
#include "ui/ColorLabel.h"
#include "ui/Dialog.h"
#include "ui/MessageBox.h"

namespace mirsa {

class CParameterDlg : public ui::Dialog {
 public:
  explicit CParameterDlg(ui::Toolkit& toolkit);

  bool passwordsChanged() const { return passwordsChanged_; }
  bool saved() const { return saved_; }

 protected:
  bool OnInitDialog() override;
  void OnOK() override {}
  void OnCancel() override {}
  void OnClose() override {}

 private:
  enum class Mode { FirstRun, View, Edit };
  void SetMode(Mode mode);
  // The first run is told by the state of the boxes: the ids can be typed only then.
  bool IsFirstRun() const;
  void FilterKey(ui::Control* focused, ui::Key& key);
  void OnMemberCodeKillFocus();
  void OnEdit();
  void OnChangePassword(const char* target);
  void OnSave();
  void OnCloseButton();
  ParameterSet BoxesToParameters() const;
  void Inform(const char* text, const char* caption, ui::Icon icon = ui::Icon::Information);
  void FocusBox(int id);

  std::vector<ui::CColorLabel> mandatoryLabels_;
  bool passwordsChanged_ = false;
  bool saved_ = false;
  bool enterAllowed_ = false;  // the address box has been changed and still has the focus
};

}  // namespace mirsa
