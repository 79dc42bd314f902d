#include "mirsaclient/resources/ParameterTemplate.h"

#include "mirsaclient/resources/ParameterIds.h"

namespace mirsa {
namespace {

using ui::ControlKind;
using ui::ControlStyle;
using ui::ControlTemplate;
using ui::Rect;

ControlTemplate Label(const char* text, Rect rect, int id = 0) {
  return {.kind = ControlKind::Label, .id = id, .text = text, .rect = rect};
}

ControlTemplate Group(const char* text, Rect rect) {
  return {.kind = ControlKind::GroupBox, .text = text, .rect = rect};
}

ControlTemplate Box(int id, Rect rect, ControlStyle style = {}) {
  return {.kind = ControlKind::Edit, .id = id, .rect = rect, .style = style};
}

ControlTemplate Button(int id, const char* text, Rect rect) {
  return {.kind = ControlKind::PushButton, .id = id, .text = text, .rect = rect};
}

constexpr ControlStyle kUpper{.upperCase = true};
constexpr ControlStyle kDigits{.digitsOnly = true};
constexpr ControlStyle kMasked{.password = true};
constexpr ControlStyle kReadOnly{.readOnly = true};

}  // namespace

// Each label comes just before its box, so that the box takes it as its accessible name; the
// order of the boxes is the tab order.
ui::DialogTemplate ParameterTemplate() {
  ui::DialogTemplate t{.resourceId = IDD_PARAMETERS, .caption = "TALVORA", .size = {440, 290}};
  t.controls = {
      Label("PARAMETER MAINTENANCE", {160, 5, 120, 10}),
      Group("Parameters", {7, 17, 426, 108}),
      Label("MemberCode:", {14, 31, 50, 9}, IDC_PARAM_LABEL_MEMBER_CODE),
      Box(IDC_PARAM_MEMBER_CODE, {66, 29, 64, 12}, kDigits),
      Label("Bank(code):", {140, 31, 40, 9}),
      Box(IDC_PARAM_BANK_CODE, {182, 29, 36, 12}, kReadOnly),
      Label("Zone(code):", {228, 31, 40, 9}),
      Box(IDC_PARAM_ZONE_CODE, {270, 29, 36, 12}, kReadOnly),
      Label("Branch(code):", {316, 31, 46, 9}),
      Box(IDC_PARAM_BRANCH_CODE, {364, 29, 36, 12}, kReadOnly),
      Label("Bank/Zone/    Branch Name:", {14, 46, 50, 18}, IDC_PARAM_LABEL_BANK_NAME),
      Box(IDC_PARAM_BANK_NAME, {66, 47, 240, 12}, kUpper),
      Label("PLR %", {316, 49, 24, 9}, IDC_PARAM_LABEL_PLR),
      Box(IDC_PARAM_PLR, {342, 47, 40, 12}, kUpper),
      Label("Address:", {14, 70, 50, 9}),
      {.kind = ControlKind::MultiLineEdit,
       .id = IDC_PARAM_ADDRESS,
       .rect = {66, 68, 240, 30},
       .style = {.upperCase = true, .wantReturn = true}},
      Label("City:", {316, 70, 24, 9}),
      Box(IDC_PARAM_CITY, {342, 68, 84, 12}, kUpper),
      Label("Pin:", {316, 86, 24, 9}),
      Box(IDC_PARAM_PIN, {342, 84, 40, 12}, kDigits),
      Label("Phone:", {14, 108, 50, 9}),
      Box(IDC_PARAM_PHONE, {66, 106, 60, 12}, kDigits),
      Label("STD", {132, 108, 16, 9}),
      Box(IDC_PARAM_PHONE_STD, {150, 106, 36, 12}, kDigits),
      Label("Fax", {200, 108, 16, 9}),
      Box(IDC_PARAM_FAX, {218, 106, 60, 12}, kDigits),
      Label("STD", {284, 108, 16, 9}),
      Box(IDC_PARAM_FAX_STD, {302, 106, 36, 12}, kDigits),

      Group("Maker Details:", {7, 130, 330, 52}),
      Label("Maker Id:", {14, 145, 40, 9}, IDC_PARAM_LABEL_MAKER1_ID),
      Box(IDC_PARAM_MAKER1_ID, {56, 143, 80, 12}, kUpper),
      Label("Password:", {144, 145, 44, 9}, IDC_PARAM_LABEL_MAKER1_PASSWORD),
      Box(IDC_PARAM_MAKER1_PASSWORD, {190, 143, 70, 12}, kMasked),
      Button(IDC_PARAM_MAKER1_CHANGE, "Change Password", {266, 142, 64, 14}),
      Label("Maker 2:", {14, 165, 40, 9}, IDC_PARAM_LABEL_MAKER2_ID),
      Box(IDC_PARAM_MAKER2_ID, {56, 163, 80, 12}, kUpper),
      Label("Password:", {144, 165, 44, 9}, IDC_PARAM_LABEL_MAKER2_PASSWORD),
      Box(IDC_PARAM_MAKER2_PASSWORD, {190, 163, 70, 12}, kMasked),
      Button(IDC_PARAM_MAKER2_CHANGE, "Change Password", {266, 162, 64, 14}),

      Group("Checker Details:", {7, 186, 330, 34}),
      Label("Checker Id:", {14, 201, 40, 9}, IDC_PARAM_LABEL_CHECKER_ID),
      Box(IDC_PARAM_CHECKER_ID, {56, 199, 80, 12}, kUpper),
      Label("Checker Password:", {144, 197, 44, 18}, IDC_PARAM_LABEL_CHECKER_PASSWORD),
      Box(IDC_PARAM_CHECKER_PASSWORD, {190, 199, 70, 12}, kMasked),
      Button(IDC_PARAM_CHECKER_CHANGE, "Change Password", {266, 198, 64, 14}),

      Group("File Transfer Parameters", {7, 224, 426, 44}),
      Label("IP Address of Server For Upload", {14, 235, 64, 18}),
      {.kind = ControlKind::IpAddress, .id = IDC_PARAM_SERVER_ADDRESS, .rect = {80, 238, 72, 12}},
      Label("Email ID", {162, 240, 30, 9}),
      Box(IDC_PARAM_EMAIL, {194, 238, 90, 12}),
      Label("Connection Name", {292, 235, 36, 18}),
      Box(IDC_PARAM_CONNECTION_NAME, {330, 238, 96, 12}),

      Button(IDC_PARAM_EDIT, "&Edit", {354, 140, 64, 14}),
      Button(IDC_PARAM_SAVE, "&Save", {354, 162, 64, 14}),
      Button(IDC_PARAM_CLOSE, "&Close", {354, 184, 64, 14}),
      Label("All fields in RED are MANDATORY", {14, 275, 200, 9}, IDC_PARAM_MANDATORY_NOTE),
  };
  return t;
}

}  // namespace mirsa
