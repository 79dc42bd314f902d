#include "mirsaclient/resources/PasswordTemplates.h"

#include "mirsaclient/resources/PasswordIds.h"

namespace mirsa {

using ui::ControlKind;

ui::DialogTemplate ChangePasswordTemplate() {
  ui::DialogTemplate t{.resourceId = IDD_CHANGE_PASSWORD, .caption = "TALVORA", .size = {170, 112}};
  t.controls = {
      {.kind = ControlKind::Label, .text = "CHANGE PASSWORD", .rect = {50, 7, 80, 10}},
      {.kind = ControlKind::Label, .text = "Old :", .rect = {14, 26, 40, 9}},
      {.kind = ControlKind::Edit,
       .id = IDC_CHANGE_OLD,
       .rect = {60, 24, 96, 12},
       .style = {.password = true}},
      {.kind = ControlKind::Label, .text = "New :", .rect = {14, 44, 40, 9}},
      {.kind = ControlKind::Edit,
       .id = IDC_CHANGE_NEW,
       .rect = {60, 42, 96, 12},
       .style = {.password = true}},
      {.kind = ControlKind::Label, .text = "Confirm :", .rect = {14, 62, 40, 9}},
      {.kind = ControlKind::Edit,
       .id = IDC_CHANGE_CONFIRM,
       .rect = {60, 60, 96, 12},
       .style = {.password = true}},
      {.kind = ControlKind::PushButton, .id = ui::IDOK, .text = "&OK", .rect = {30, 86, 50, 14}},
      {.kind = ControlKind::PushButton,
       .id = ui::IDCANCEL,
       .text = "&Cancel",
       .rect = {90, 86, 50, 14},
       .style = {.defaultButton = true}},
  };
  return t;
}

ui::DialogTemplate CheckerPasswordTemplate() {
  ui::DialogTemplate t{
      .resourceId = IDD_CHECKER_PASSWORD, .caption = "Enter Password", .size = {200, 66}};
  t.controls = {
      {.kind = ControlKind::Label, .text = "Enter Checker Password :", .rect = {10, 16, 86, 9}},
      {.kind = ControlKind::Edit,
       .id = IDC_CHECKER_PASSWORD,
       .rect = {98, 14, 90, 12},
       .style = {.password = true}},
      {.kind = ControlKind::PushButton,
       .id = IDC_CHECKER_OK,
       .text = "&Ok",
       .rect = {44, 42, 50, 14}},
      {.kind = ControlKind::PushButton,
       .id = IDC_CHECKER_CANCEL,
       .text = "&Cancel",
       .rect = {106, 42, 50, 14},
       .style = {.defaultButton = true}},
  };
  return t;
}

}  // namespace mirsa
