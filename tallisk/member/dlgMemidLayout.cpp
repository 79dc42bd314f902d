#include "tallisk/member/dlgMemidLayout.h"

#include <string>

namespace tallisk::memid {

using ui::ControlKind;

ui::DialogTemplate Layout() {
  ui::DialogTemplate t{.resourceId = kFormId, .caption = std::string(kCaption), .size = {176, 92}};
  auto label = [](std::string text, ui::Rect rect) {
    return ui::ControlTemplate{.kind = ControlKind::Label,
                               .text = std::move(text),
                               .rect = rect,
                               .container = kFraMemberID};
  };
  auto idBox = [](std::string_view name, ui::Rect rect) {
    return ui::ControlTemplate{.kind = ControlKind::Edit,
                               .name = std::string(name),
                               .rect = rect,
                               .maxLength = 4,
                               .container = kFraMemberID};
  };
  t.controls = {
      {.kind = ControlKind::GroupBox,
       .id = kFraMemberID,
       .text = "MemberID",
       .rect = {8, 6, 160, 52}},
      label("Bank ID", {16, 20, 44, 9}),
      idBox(txtBankID, {16, 32, 44, 13}),
      label("Zone ID", {66, 20, 44, 9}),
      idBox(txtZoneID, {66, 32, 44, 13}),
      label("Branch ID", {116, 20, 44, 9}),
      idBox(txtBranchID, {116, 32, 44, 13}),
      {.kind = ControlKind::PushButton,
       .name = std::string(OKButton),
       .text = "OK",
       .rect = {34, 68, 50, 15},
       .style = {.defaultButton = true}},
      {.kind = ControlKind::PushButton,
       .name = std::string(CancelButton),
       .text = "Cancel",
       .rect = {92, 68, 50, 15}},
  };
  return t;
}

}  // namespace tallisk::memid
