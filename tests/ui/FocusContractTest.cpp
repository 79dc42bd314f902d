// The toolkit's event and focus contract (ui/Dialog.h), tested once here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Dialog.h"
#include "ui/ScriptDriver.h"
#include "ui/Toolkit.h"

namespace {

using ui::ControlKind;
using ui::Event;

constexpr int kA = 10, kB = 11, kC = 12, kSave = 13, kLabel = 14;

ui::DialogTemplate ThreeBoxes() {
  ui::DialogTemplate t{.resourceId = 500, .caption = "Contract", .size = {200, 100}};
  t.controls = {
      {.kind = ControlKind::Label, .id = kLabel, .text = "&Name :"},
      {.kind = ControlKind::Edit, .id = kA},
      {.kind = ControlKind::Edit, .id = kB},
      {.kind = ControlKind::Edit, .id = kC, .maxLength = 3},
      {.kind = ControlKind::PushButton, .id = kSave, .text = "&Save"},
      {.kind = ControlKind::PushButton,
       .id = ui::IDOK,
       .text = "OK",
       .style = {.defaultButton = true}},
  };
  return t;
}

class FocusContract : public ::testing::Test {
 protected:
  FocusContract() : dialog(toolkit, ThreeBoxes()) {
    for (int id : {kA, kB, kC, kSave}) {
      dialog.On(id, Event::FocusIn, [this, id] { log.push_back("in " + std::to_string(id)); });
      dialog.On(id, Event::FocusOut, [this, id] { log.push_back("out " + std::to_string(id)); });
      dialog.On(id, Event::Change, [this, id] { log.push_back("change " + std::to_string(id)); });
    }
    dialog.On(kSave, Event::Click, [this] { log.push_back("click save"); });
    dialog.Create();
    dialog.Show();
    log.clear();
  }
  ui::ScriptDriver driver;
  ui::Toolkit toolkit{driver};
  ui::Dialog dialog;
  std::vector<std::string> log;
};

TEST_F(FocusContract, CreatingFocusesTheFirstTabStop) {
  ui::Dialog fresh(toolkit, ThreeBoxes());
  fresh.Create();
  EXPECT_EQ(fresh.focus()->id(), kA);
}

TEST_F(FocusContract, ProgrammaticTextChangesFireChangeLikeTyping) {
  dialog.control(kB).SetText("x");
  dialog.control(kB).SetText("x");  // no change, no event
  dialog.SetFocus(kB);
  dialog.PressKey(ui::Key{ui::Key::kEnd});
  dialog.TypeText("y");
  EXPECT_EQ(log, (std::vector<std::string>{"change 11", "out 10", "in 11", "change 11"}));
  EXPECT_EQ(dialog.control(kB).text(), "xy");
}

TEST_F(FocusContract, FocusOutThenFocusInAndAFocusOutHandlerThatMovesTheFocusWins) {
  dialog.On(kA, Event::FocusOut, [this] { dialog.SetFocus(kC); });
  dialog.SetFocus(kB);
  EXPECT_EQ(log, (std::vector<std::string>{"out 10", "in 12"}));
  EXPECT_EQ(dialog.focus()->id(), kC);
}

TEST_F(FocusContract, AMessageBoxTakesTheFocusAndGivesItToTheTargetWhenItCloses) {
  driver.Answer("checked", "Contract");
  toolkit.MessageBox("checked", "Contract");
  EXPECT_EQ(log, (std::vector<std::string>{"out 10", "in 10"}));

  // A focus check that complains and moves the focus back: the box closes on the new target
  // (B), which gets its focus-in, and the move back gives B a focus-out of its own.
  log.clear();
  bool complained = false;
  dialog.On(kA, Event::FocusOut, [&] {
    if (complained) return;
    complained = true;
    toolkit.MessageBox("bad A", "Contract");
    dialog.SetFocus(kA);
  });
  driver.Answer("bad A", "Contract");
  dialog.SetFocus(kB);
  EXPECT_EQ(log, (std::vector<std::string>{"out 10", "in 11", "out 11", "in 10"}));
  EXPECT_EQ(dialog.focus()->id(), kA);
}

TEST_F(FocusContract, SetFocusWhileABoxIsOpenOnlyMovesTheTarget) {
  dialog.On(kA, Event::FocusOut, [this] { dialog.SetFocus(kC); });
  driver.Answer("x", "Contract");
  toolkit.MessageBox("x", "Contract");
  EXPECT_EQ(log, (std::vector<std::string>{"out 10", "in 12"}));
}

TEST_F(FocusContract, ValidateFalseKeepsTheFocus) {
  dialog.OnValidate(kA, [] { return false; });
  dialog.SetFocus(kB);
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(dialog.focus()->id(), kA);
}

TEST_F(FocusContract, KeysPassPreviewAndControlFilterAndTabSkipsDisabledBoxes) {
  dialog.SetKeyPreview([](ui::Control*, ui::Key& key) {
    if (key.code == '#') key.code = ui::Key::kNone;
  });
  dialog.OnKey(kA, [](ui::Key& key) {
    if (key.code == 'a') key.code = 'b';
  });
  dialog.TypeText("a#a");
  EXPECT_EQ(dialog.control(kA).text(), "bb");
  dialog.control(kB).SetEnabled(false);
  dialog.Tab();
  EXPECT_EQ(dialog.focus()->id(), kC);
  dialog.TypeText("12345");
  EXPECT_EQ(dialog.control(kC).text(), "123") << "the box's limit";
  dialog.Tab(true);
  EXPECT_EQ(dialog.focus()->id(), kA);
}

TEST_F(FocusContract, ClickMovesTheFocusFirstAndAFocusCheckCanSwallowIt) {
  dialog.Click(kSave);
  EXPECT_EQ(log, (std::vector<std::string>{"out 10", "in 13", "click save"}));

  log.clear();
  dialog.SetFocus(kA);
  dialog.On(kA, Event::FocusOut, [this] { dialog.SetFocus(kA); });
  dialog.Click(kSave);
  EXPECT_EQ(std::count(log.begin(), log.end(), "click save"), 0);
}

TEST_F(FocusContract, EnterPressesTheDefaultButtonOnlyWhileItIsEnabled) {
  int oks = 0;
  dialog.On(ui::IDOK, Event::Click, [&] { ++oks; });
  dialog.control(ui::IDOK).SetEnabled(false);
  dialog.PressKey(ui::Key{ui::Key::kEnter});
  EXPECT_EQ(oks, 0);
  dialog.control(ui::IDOK).SetEnabled(true);
  dialog.PressKey(ui::Key{ui::Key::kEnter});
  EXPECT_EQ(oks, 1);
  EXPECT_EQ(dialog.focus()->id(), kA) << "Enter does not move the focus";
}

TEST(BoxEditing, ALineBreakMovesAndDeletesAsOneCharacter) {
  ui::ScriptDriver driver;
  ui::Toolkit toolkit(driver);
  ui::DialogTemplate t{.resourceId = 501, .caption = "Lines", .size = {100, 60}};
  t.controls = {{.kind = ControlKind::MultiLineEdit, .id = 20, .style = {.wantReturn = true}}};
  ui::Dialog dialog(toolkit, t);
  dialog.Create();
  dialog.TypeText("ab\ncd");
  EXPECT_EQ(dialog.control(20).text(), "ab\r\ncd");
  for (int i = 0; i < 2; ++i) dialog.PressKey(ui::Key{ui::Key::kLeft});
  dialog.PressKey(ui::Key{ui::Key::kBackspace});
  EXPECT_EQ(dialog.control(20).text(), "abcd");
  dialog.PressKey(ui::Key{ui::Key::kEnter});
  dialog.PressKey(ui::Key{ui::Key::kLeft});
  dialog.PressKey(ui::Key{ui::Key::kDelete});
  EXPECT_EQ(dialog.control(20).text(), "abcd");
}

TEST_F(FocusContract, BoxesTakeTheirLabelAsAccessibleName) {
  EXPECT_EQ(dialog.control(kA).accessibleName(), "Name :");
  EXPECT_EQ(dialog.control(kSave).accessibleName(), "Save");
}

}  // namespace
