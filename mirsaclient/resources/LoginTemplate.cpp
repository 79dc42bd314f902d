#include "mirsaclient/resources/LoginTemplate.h"

#include "mirsaclient/resources/LoginIds.h"

namespace mirsa {

using ui::ControlKind;

ui::DialogTemplate LoginTemplate() {
  ui::DialogTemplate t{.resourceId = IDD_LOGIN, .caption = "TALVORA", .size = {186, 92}};
  t.controls = {
      {.kind = ControlKind::Label, .text = " User Name :", .rect = {14, 20, 52, 10}},
      {.kind = ControlKind::Edit, .id = IDC_LOGIN_USERNAME, .rect = {70, 18, 100, 13}},
      {.kind = ControlKind::Label, .text = " Password :", .rect = {14, 42, 52, 10}},
      {.kind = ControlKind::Edit,
       .id = IDC_LOGIN_PASSWORD,
       .rect = {70, 40, 100, 13},
       .style = {.password = true}},
      {.kind = ControlKind::PushButton,
       .id = ui::IDOK,
       .text = "OK",
       .rect = {40, 66, 50, 14},
       .style = {.defaultButton = true}},
      {.kind = ControlKind::PushButton,
       .id = ui::IDCANCEL,
       .text = "Cancel",
       .rect = {98, 66, 50, 14}},
  };
  return t;
}

}  // namespace mirsa
