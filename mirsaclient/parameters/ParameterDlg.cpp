#include "mirsaclient/parameters/ParameterDlg.h"

namespace mirsa {
namespace {

ui::DialogTemplate ParameterTemplate() {
  ui::DialogTemplate t{.resourceId = 135, .caption = "TALVO - PARAMETERS", .size = {300, 200}};
  t.controls = {{.kind = ui::ControlKind::PushButton,
                 .id = ui::IDCANCEL,
                 .text = "C&lose",
                 .rect = {240, 180, 50, 14}}};
  return t;
}

}  // namespace

CParameterDlg::CParameterDlg(ui::Toolkit& toolkit) : ui::Dialog(toolkit, ParameterTemplate()) {}

}  // namespace mirsa
