#include "mirsaclient/entry/DateBoxes.h"

#include "mirsaclient/resources/ApplicationFormTemplate.h"
#include "ui/Dialog.h"
#include "ui/Toolkit.h"

namespace mirsa {

namespace {
constexpr ui::Color kDisabledDateColor = ui::Rgb(200, 200, 200);
constexpr ui::Color kEnabledDateColor = ui::Rgb(255, 255, 255);
}  // namespace

void ResetDateBox(ui::Control& box) {
  box.SetMask(kDateMaskCleared);
  box.SetMask(kDateMask);
}

void EnableDateBox(ui::Control& box, bool enable) {
  box.SetEnabled(enable);
  box.SetBackColor(enable ? kEnabledDateColor : kDisabledDateColor);
}

bool IsDateBoxEmpty(const ui::Control& box) {
  return box.text() == kEmptyDateText;
}

void BeepOnRefusedDateKeys(ui::Dialog& form) {
  for (int id : kDateBoxes) {
    form.On(id, ui::Event::MaskRejected,
            [&form] { form.toolkit().Tone(kRefusedKeyFrequency, kRefusedKeyDuration); });
  }
}

}  // namespace mirsa
