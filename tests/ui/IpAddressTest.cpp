// The IPv4 address control: its dotted text, what setting it takes, and how typing edits it.
#include "ui/IpAddress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/Dialog.h"
#include "ui/ScriptDriver.h"
#include "ui/Toolkit.h"

namespace {

using ui::ControlKind;
using ui::Key;

constexpr int kAddress = 10, kOther = 11;

ui::DialogTemplate AddressDialog() {
  ui::DialogTemplate t{.resourceId = 501, .caption = "Address", .size = {200, 60}};
  t.controls = {
      {.kind = ControlKind::Label, .text = "Server :"},
      {.kind = ControlKind::IpAddress, .id = kAddress, .rect = {50, 10, 70, 13}},
      {.kind = ControlKind::Edit, .id = kOther, .rect = {50, 30, 70, 13}},
  };
  return t;
}

TEST(IpAddressText, SettingTheTextKeepsFourFieldsOfZeroTo255) {
  struct Case {
    const char* set;
    const char* held;
  } cases[] = {
      {"127.0.0.1", "127.0.0.1"},
      {"", ""},
      {"...", ""},
      {"10..2.", "10..2."},
      {"010.001.000.7", "10.1.0.7"},
      {"300.256.1000.255", "255.255.255.255"},
      {"10.1.2.3x9", "10.1.2.3"},
      {"1.2.3.4.5", "1.2.3.4"},
      {"1.2", "1.2.."},
      {"abc", ""},
      {" 1.2.3.4", ".2.3.4"},
  };
  for (const Case& c : cases) EXPECT_EQ(ui::NormalizeIpAddress(c.set), c.held) << c.set;
}

class IpAddressControl : public ::testing::Test {
 protected:
  IpAddressControl() : dialog(toolkit, AddressDialog()) {
    dialog.On(kAddress, ui::Event::Change, [this] { changes.push_back(box().text()); });
    dialog.Create();
    dialog.Show();
  }
  ui::Control& box() { return dialog.control(kAddress); }
  void Type(std::string_view keys) {
    for (char c : keys) {
      dialog.PressKey(c == '<' ? Key{Key::kBackspace} : Key::Char(c));
    }
  }

  ui::ScriptDriver driver;
  ui::Toolkit toolkit{driver};
  ui::Dialog dialog;
  std::vector<std::string> changes;
};

TEST_F(IpAddressControl, StartsBlankAndIsAnAccessibleBox) {
  EXPECT_EQ(dialog.focus()->id(), kAddress);
  EXPECT_TRUE(ui::IsIpAddressBlank(box()));
  EXPECT_EQ(ui::IpAddressField(box(), 0), std::nullopt);
  EXPECT_EQ(box().accessibleName(), "Server :");
}

TEST_F(IpAddressControl, TypingDigitsAndDotsFillsTheFields) {
  struct Case {
    const char* keys;
    const char* text;
  } cases[] = {
      {"127.0.0.1", "127.0.0.1"},  // '.' after three digits is not an empty field
      {"10.1.2.3", "10.1.2.3"},
      {"192168.1.1", "192.168.1.1"},  // three digits move on; '.' in the blank field after is lost
      {"1..2", "1.2.."},              // '.' in a blank field does nothing
      {".5", "5..."},
      {"256", "25..."},  // 256 is refused: the field stays 25
      {"2551", "255.1.."},
      {"00", "0..."},             // leading zeros are dropped
      {"1a-2 x3", "123..."},      // other characters are refused
      {"1.2.3.4.5", "1.2.3.45"},  // the last field does not move on
      {"1.2<<3", "3..."},         // Backspace goes back into the field before
      {"12.34<<<<", ""},
  };
  for (const Case& c : cases) {
    box().SetText("");
    box().SetTextSelection(0, 0);
    Type(c.keys);
    EXPECT_EQ(box().text(), c.text) << c.keys;
  }
}

TEST_F(IpAddressControl, ReadsTheNumbersOfItsFields) {
  Type("10..4");
  EXPECT_FALSE(ui::IsIpAddressBlank(box()));
  EXPECT_EQ(ui::IpAddressField(box(), 0), 10);
  EXPECT_EQ(ui::IpAddressField(box(), 1), 4);
  EXPECT_EQ(ui::IpAddressField(box(), 2), std::nullopt);
  EXPECT_EQ(ui::IpAddressField(box(), 4), std::nullopt);
}

TEST_F(IpAddressControl, TabSelectsEverythingSoTypingReplacesTheAddress) {
  box().SetText("10.1.2.3");
  dialog.Tab();
  dialog.Tab(true);
  EXPECT_EQ(box().selectionLength(), 8);
  Type("9.8.7.6");
  EXPECT_EQ(box().text(), "9.8.7.6");
}

TEST_F(IpAddressControl, MovingOnSelectsTheNextFieldSoTypingReplacesIt) {
  box().SetText("10.20.30.40");
  box().SetTextSelection(0, 2);  // the first field
  Type("11.5");
  EXPECT_EQ(box().text(), "11.5.30.40");
}

TEST_F(IpAddressControl, DeleteAndArrowsWorkInsideTheText) {
  box().SetText("123.45.6.7");
  box().SetTextSelection(0, 0);
  dialog.PressKey(Key{Key::kDelete});
  EXPECT_EQ(box().text(), "23.45.6.7");
  dialog.PressKey(Key{Key::kEnd});
  for (int i = 0; i < 3; ++i) dialog.PressKey(Key{Key::kLeft});
  dialog.PressKey(Key{Key::kDelete});  // the caret is in front of "6"
  EXPECT_EQ(box().text(), "23.45..7");
  dialog.PressKey(Key{Key::kHome});
  dialog.PressKey(Key{Key::kRight});
  Type("9");
  EXPECT_EQ(box().text(), "23.45..7") << "293 is refused";
  Type("0");
  EXPECT_EQ(box().text(), "203.45..7");
}

TEST_F(IpAddressControl, ALockedControlTakesNoKeysAndEveryChangeFires) {
  box().SetText("1.2.3.4");
  box().SetEnabled(false);
  dialog.SetFocus(kAddress);
  Type("5<");
  EXPECT_EQ(box().text(), "1.2.3.4");
  box().SetEnabled(true);
  box().SetReadOnly(true);
  Type("5<");
  EXPECT_EQ(box().text(), "1.2.3.4");
  EXPECT_EQ(changes, (std::vector<std::string>{"1.2.3.4"}));
}

}  // namespace
