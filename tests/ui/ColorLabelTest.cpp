// Colour labels: the colour lives in the label control, so a renderer shows it whenever it is
// set, hidden or not.
#include "ui/ColorLabel.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "ui/Dialog.h"
#include "ui/ScriptDriver.h"
#include "ui/Toolkit.h"

namespace {

using ui::ControlKind;

constexpr int kLabel = 10, kBox = 11;
constexpr ui::Color kRed = ui::Rgb(245, 0, 0);

ui::DialogTemplate LabelDialog() {
  ui::DialogTemplate t{.resourceId = 502, .caption = "Labels", .size = {200, 60}};
  t.controls = {
      {.kind = ControlKind::Label, .id = kLabel, .text = "Name:"},
      {.kind = ControlKind::Edit, .id = kBox},
  };
  return t;
}

// Records which properties a renderer is told about.
struct Recorder : ui::DialogObserver {
  void ControlChanged(ui::Control& c, ui::ControlProperty what) override {
    if (what == ui::ControlProperty::Colors) colored.push_back(c.id());
  }
  void FocusChanged(ui::Control*) override {}
  void CaptionChanged() override {}
  void GeometryChanged() override {}
  std::vector<int> colored;
};

class ColorLabel : public ::testing::Test {
 protected:
  ui::ScriptDriver driver;
  ui::Toolkit toolkit{driver};
  ui::Dialog dialog{toolkit, LabelDialog()};
};

TEST_F(ColorLabel, ANewLabelHasTheSystemColoursLikeAnyLabel) {
  ui::CColorLabel label(dialog.control(kLabel));
  EXPECT_EQ(label.textColor(), ui::kSystemColor);
  EXPECT_EQ(label.backColor(), ui::kSystemColor);
}

TEST_F(ColorLabel, RedThenBlackLeavesBlackAndMinusOneRestoresTheSystemColour) {
  Recorder renderer;
  dialog.SetObserver(&renderer);
  ui::CColorLabel label(dialog.control(kLabel));
  label.SetLabelTextColor(kRed);
  EXPECT_EQ(ui::RedOf(label.textColor()), 245);
  EXPECT_EQ(label.textColor(), 245) << "red sits in the lowest byte";
  label.SetLabelTextColor(0);
  EXPECT_EQ(label.textColor(), ui::Rgb(0, 0, 0));
  label.SetLabelTextColor(-1);
  EXPECT_EQ(label.textColor(), ui::kSystemColor);
  EXPECT_EQ(renderer.colored, (std::vector<int>{kLabel, kLabel, kLabel})) << "repainted each time";
}

TEST_F(ColorLabel, AColourSetWhileTheDialogIsHiddenIsThereWhenItIsShown) {
  ui::CColorLabel label(dialog.control(kLabel));
  label.SetLabelTextColor(kRed);
  dialog.Create();
  dialog.Show();
  EXPECT_EQ(dialog.control(kLabel).textColor(), kRed);
}

TEST_F(ColorLabel, OnlyLabelsCanBeColourLabels) {
  EXPECT_THROW(ui::CColorLabel{dialog.control(kBox)}, std::invalid_argument);
}

}  // namespace
