// What the forms toolkit of the calculator adds to the model: message boxes that leave the
// focus alone (rule 8), the window's activation (rule 9) and access keys.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/AccessKeys.h"
#include "ui/Dialog.h"
#include "ui/ScriptDriver.h"
#include "ui/Toolkit.h"

namespace {

using ui::ControlKind;
using ui::Event;

constexpr int kA = 10, kB = 11, kEdit = 12, kAnd = 13;

ui::DialogTemplate Form(int resourceId) {
  ui::DialogTemplate t{.resourceId = resourceId, .caption = "Form", .size = {200, 100}};
  t.controls = {
      {.kind = ControlKind::Edit, .id = kA},
      {.kind = ControlKind::Edit, .id = kB},
      {.kind = ControlKind::PushButton, .id = kEdit, .text = "&Edit"},
      {.kind = ControlKind::PushButton, .id = kAnd, .text = "Save && &Next"},
  };
  return t;
}

class ActivatedForm : public ui::Dialog {
 public:
  ActivatedForm(ui::Toolkit& toolkit, int resourceId, std::vector<std::string>& log)
      : ui::Dialog(toolkit, Form(resourceId)), log_(log) {}

 protected:
  bool OnInitDialog() override {
    log_.push_back("init " + std::to_string(resourceId()));
    return true;
  }
  void OnActivate() override { log_.push_back("activate " + std::to_string(resourceId())); }

 private:
  std::vector<std::string>& log_;
};

class FormsToolkit : public ::testing::Test {
 protected:
  ui::ScriptDriver driver;
  ui::Toolkit toolkit{driver};
  std::vector<std::string> log;
};

TEST_F(FormsToolkit, AMessageBoxLeavesTheFocusOfAFormAlone) {
  ui::Dialog form(toolkit, Form(700));
  form.SetMessageBoxesMoveFocus(false);
  form.On(kB, Event::FocusIn, [&] {
    log.push_back("in B");
    // A GotFocus handler that asks and sends the focus back is called once, not again.
    toolkit.MessageBox("Please enter A first", "Tallisk");
    form.SetFocus(kA);
  });
  form.On(kA, Event::FocusOut, [&] { log.push_back("out A"); });
  form.On(kA, Event::FocusIn, [&] { log.push_back("in A"); });
  form.Create();
  form.Show();
  log.clear();
  driver.Answer("Please enter A first", "Tallisk");
  form.SetFocus(kB);
  EXPECT_EQ(log, (std::vector<std::string>{"out A", "in B", "in A"}));
  EXPECT_EQ(form.focus()->id(), kA);
}

TEST_F(FormsToolkit, AFormIsActivatedWhenShownAndWhenTheUserComesBack) {
  ActivatedForm first(toolkit, 701, log);
  ActivatedForm second(toolkit, 702, log);
  first.Create();
  first.Show();
  first.Click(kEdit);  // already active: no new activation
  second.Create();
  second.Show();
  first.Click(kEdit);
  EXPECT_EQ(log, (std::vector<std::string>{"init 701", "activate 701", "init 702", "activate 702",
                                           "activate 701"}));
}

TEST_F(FormsToolkit, AModalFormIsActivatedAfterItsInitialisation) {
  ActivatedForm dialog(toolkit, 703, log);
  driver.Do([](ui::Dialog& d) { d.EndDialog(ui::IDOK); });
  dialog.DoModal();
  EXPECT_EQ(log, (std::vector<std::string>{"init 703", "activate 703"}));
}

TEST_F(FormsToolkit, AltAndTheMarkedLetterPressesTheButton) {
  EXPECT_EQ(ui::AccessKeyOf("&Edit"), 'E');
  EXPECT_EQ(ui::AccessKeyOf("Save && &Next"), 'N');
  EXPECT_EQ(ui::AccessKeyOf("A && B"), 0);
  ui::Dialog form(toolkit, Form(704));
  form.SetKeyPreview([&form](ui::Control*, ui::Key& key) { ui::PressAccessKey(form, key); });
  form.On(kEdit, Event::Click, [&] { log.push_back("edit"); });
  form.On(kAnd, Event::Click, [&] { log.push_back("next"); });
  form.Create();
  form.PressKey(ui::Key{'e', false, false, true});
  form.PressKey(ui::Key{'N', false, false, true});
  form.SetFocus(kA);
  form.PressKey(ui::Key{'e'});  // without Alt the letter goes to the box
  form.control(kEdit).SetEnabled(false);
  form.PressKey(ui::Key{'e', false, false, true});
  EXPECT_EQ(log, (std::vector<std::string>{"edit", "next"}));
  EXPECT_EQ(form.control(kA).text(), "e");
}

}  // namespace
