#pragma once
// Parameter maintenance, dialog 135.

#include "ui/Dialog.h"

namespace mirsa {

class CParameterDlg : public ui::Dialog {
 public:
  explicit CParameterDlg(ui::Toolkit& toolkit);
};

}  // namespace mirsa
