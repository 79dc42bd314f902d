#include "ui/ScriptDriver.h"

#include <gtest/gtest.h>

#include "ui/Dialog.h"
#include "ui/Toolkit.h"

namespace {

using ui::ControlKind;

ui::DialogTemplate Prompt() {
  ui::DialogTemplate t{.resourceId = 600, .caption = "Prompt", .size = {100, 50}};
  t.controls = {
      {.kind = ControlKind::Edit, .id = 100, .style = {.upperCase = true}},
      {.kind = ControlKind::MaskedEdit, .id = 101, .mask = "##/##/####"},
      {.kind = ControlKind::PushButton, .id = ui::IDOK, .text = "OK", .style = {.defaultButton = true}},
      {.kind = ControlKind::PushButton, .id = ui::IDCANCEL, .text = "Cancel"},
  };
  return t;
}

TEST(ScriptDriver, AModalRunPlaysTheScriptUntilTheDialogEnds) {
  ui::ScriptDriver driver;
  ui::Toolkit toolkit(driver);
  ui::Dialog dialog(toolkit, Prompt());
  driver.Type(100, "abc", 600).Press(ui::Key{ui::Key::kEnter});
  EXPECT_EQ(dialog.DoModal(), ui::IDOK);
  EXPECT_EQ(dialog.control(100).text(), "ABC");
  EXPECT_TRUE(driver.scriptDone());
}

TEST(ScriptDriver, AModalRunOnAnEmptyScriptFailsNamingTheWindow) {
  ui::ScriptDriver driver;
  ui::Toolkit toolkit(driver);
  ui::Dialog dialog(toolkit, Prompt());
  EXPECT_THROW(
      {
        try {
          dialog.DoModal();
        } catch (const ui::ScriptError& e) {
          EXPECT_STREQ(e.what(), "modal window 'Prompt' (600) waits on an empty script");
          throw;
        }
      },
      ui::ScriptError);
}

TEST(ScriptDriver, UnexpectedOrWrongMessageBoxesFail) {
  ui::ScriptDriver driver;
  ui::Toolkit toolkit(driver);
  EXPECT_THROW(toolkit.MessageBox("surprise", "X"), ui::ScriptError);
  driver.Answer("other", "X");
  EXPECT_THROW(toolkit.MessageBox("surprise", "X"), ui::ScriptError);
  driver.Answer({.text = "sure?", .caption = "X", .icon = ui::Icon::Question}, ui::Answer::No);
  EXPECT_EQ(toolkit.MessageBox("sure?", "X", ui::Buttons::YesNo, ui::Icon::Question), ui::Answer::No);
}

TEST(ScriptDriver, EndingTheProcessUnwindsTheModalRun) {
  ui::ScriptDriver driver;
  ui::Toolkit toolkit(driver);
  ui::Dialog dialog(toolkit, Prompt());
  dialog.On(ui::IDCANCEL, ui::Event::Click, [&] { toolkit.EndProcess(3); });
  driver.Press(ui::Key{ui::Key::kEscape});
  try {
    dialog.DoModal();
    FAIL() << "the process did not end";
  } catch (const ui::ProcessEnd& end) {
    EXPECT_EQ(end.exitCode, 3);
  }
  EXPECT_FALSE(dialog.isModal());
}

TEST(ScriptDriver, MaskedBoxesTakeDigitsAndRefuseOtherKeys) {
  ui::ScriptDriver driver;
  ui::Toolkit toolkit(driver);
  ui::Dialog dialog(toolkit, Prompt());
  int refused = 0;
  dialog.On(101, ui::Event::MaskRejected, [&] { ++refused; });
  dialog.Create();
  EXPECT_EQ(dialog.control(101).text(), "__/__/____");
  dialog.SetFocus(101);
  dialog.TypeText("12/0x5");
  EXPECT_EQ(dialog.control(101).text(), "12/05/____");
  EXPECT_EQ(refused, 1) << "the literal '/' is taken silently, 'x' is refused";
  dialog.control(101).SetMask("  /  /    ");
  dialog.control(101).SetMask("##/##/####");
  EXPECT_EQ(dialog.control(101).text(), "__/__/____");
}

}  // namespace
