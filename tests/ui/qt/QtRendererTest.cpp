// The Qt renderer in real (offscreen) windows: typing, Tab and clicks reach the model, model
// changes show in the widgets, message boxes are real boxes, the end of the process unwinds.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "ui/Dialog.h"
#include "ui/FrameWindow.h"
#include "ui/Toolkit.h"
#include "ui/qt/DialogUnits.h"
#include "ui/qt/KeyMapping.h"
#include "ui/qt/QtBackend.h"

namespace {

using ui::ControlKind;
using ui::Event;
using Log = std::vector<std::string>;

constexpr int kNameLabel = 9, kA = 10, kB = 11, kSave = 13, kNote = 14, kGroup = 20, kCheck = 21,
              kCombo = 22, kProgress = 23, kPicture = 24, kRemarks = 25;

ui::DialogTemplate Form() {
  ui::DialogTemplate t{.resourceId = 700, .caption = "TALVO - Entry", .size = {220, 140}};
  t.controls = {
      {.kind = ControlKind::Label, .id = kNameLabel, .text = "&Name :", .rect = {7, 9, 40, 8}},
      {.kind = ControlKind::Edit, .id = kA, .rect = {50, 7, 80, 12}},
      {.kind = ControlKind::Edit, .id = kB, .rect = {50, 23, 80, 12}, .maxLength = 4},
      {.kind = ControlKind::Label, .id = kNote, .text = "(Note)", .rect = {7, 40, 80, 8}},
      {.kind = ControlKind::CheckBox,
       .id = kCheck,
       .text = "&Tiny unit",
       .rect = {14, 64, 80, 10},
       .container = kGroup},
      {.kind = ControlKind::GroupBox, .id = kGroup, .text = "Unit", .rect = {7, 52, 130, 30}},
      {.kind = ControlKind::ComboBox, .id = kCombo, .rect = {50, 90, 80, 60}},
      {.kind = ControlKind::ProgressBar, .id = kProgress, .rect = {7, 110, 130, 8}},
      {.kind = ControlKind::Picture, .id = kPicture, .rect = {150, 100, 20, 20}},
      {.kind = ControlKind::MultiLineEdit,
       .id = kRemarks,
       .rect = {150, 60, 60, 30},
       .style = {.wantReturn = true}},
      {.kind = ControlKind::PushButton, .id = kSave, .text = "&Save", .rect = {150, 7, 50, 14}},
      {.kind = ControlKind::PushButton,
       .id = ui::IDOK,
       .text = "OK",
       .rect = {150, 25, 50, 14},
       .style = {.defaultButton = true}},
      {.kind = ControlKind::PushButton,
       .id = ui::IDCANCEL,
       .text = "Cancel",
       .rect = {150, 43, 50, 14}},
  };
  return t;
}

class QtRenderer : public ::testing::Test {
 protected:
  QtRenderer() {
    for (int id : {kA, kB, kSave}) {
      const std::string n = std::to_string(id);
      dialog.On(id, Event::FocusIn, [this, n] { log.push_back("in " + n); });
      dialog.On(id, Event::FocusOut, [this, n] { log.push_back("out " + n); });
    }
    for (int id : {kA, kB}) {
      const std::string n = std::to_string(id);
      dialog.On(id, Event::Change, [this, n] { log.push_back("change " + n); });
    }
  }

  // Shows the dialog as a modeless window and waits until it is the active window.
  QDialog* ShowActive() {
    dialog.Create();
    dialog.Show();
    QDialog* window = backend.windowOf(dialog);
    if (!window) return nullptr;
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) return nullptr;
    log.clear();
    return window;
  }

  template <class W>
  W* Widget(int id) {
    return backend.windowOf(dialog)->findChild<W*>(QString::number(id));
  }

  ui::qt::QtBackend backend;
  ui::Toolkit toolkit{backend};
  ui::Dialog dialog{toolkit, Form()};
  Log log;
};

// Runs `act` on the message box once it is up (the box runs its own loop).
void WhenBoxShows(std::function<void(QMessageBox&)> act, int attempts = 100) {
  QTimer::singleShot(0, [act = std::move(act), attempts]() mutable {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      act(*box);
    } else if (attempts > 0) {
      WhenBoxShows(std::move(act), attempts - 1);
    } else {
      ADD_FAILURE() << "no message box appeared";
    }
  });
}

TEST_F(QtRenderer, TypingAndTabInARealWindowReachTheModel) {
  QDialog* window = ShowActive();
  ASSERT_TRUE(window);
  auto* a = Widget<QLineEdit>(kA);
  auto* b = Widget<QLineEdit>(kB);
  ASSERT_EQ(QApplication::focusWidget(), a);  // the model put the focus on its first tab stop

  QTest::keyClicks(QApplication::focusWidget(), "ab1");
  EXPECT_EQ(dialog.control(kA).text(), "ab1");
  EXPECT_EQ(a->text(), "ab1");

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(dialog.focus(), &dialog.control(kB));
  EXPECT_EQ(QApplication::focusWidget(), b);
  // The box's limit is the model's: the fifth character is refused.
  QTest::keyClicks(QApplication::focusWidget(), "12345");
  EXPECT_EQ(b->text(), "1234");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
  EXPECT_EQ(dialog.focus(), &dialog.control(kA));
  EXPECT_EQ(QApplication::focusWidget(), a);
  EXPECT_EQ(a->selectedText(), "ab1");  // tabbing into a box selects its text

  EXPECT_EQ(log, (Log{"change 10", "change 10", "change 10", "out 10", "in 11", "change 11",
                      "change 11", "change 11", "change 11", "change 11", "out 11", "in 10"}));
}

TEST_F(QtRenderer, QtsOwnFocusChangesDoNotReachTheModel) {
  QDialog* window = ShowActive();
  ASSERT_TRUE(window);
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  EXPECT_TRUE(log.empty()) << log.front();
  EXPECT_EQ(QApplication::focusWidget(), Widget<QLineEdit>(kA));
}

TEST_F(QtRenderer, AClickMovesTheFocusAndTheCaretThroughTheModel) {
  ASSERT_TRUE(ShowActive());
  dialog.control(kB).SetText("5678");
  log.clear();
  auto* b = Widget<QLineEdit>(kB);
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(b->width() - 4, b->height() / 2));
  EXPECT_EQ(log, (Log{"out 10", "in 11"}));
  EXPECT_EQ(QApplication::focusWidget(), b);
  EXPECT_EQ(dialog.control(kB).selectionStart(), 4);  // clicked right of the text
  QTest::keyClick(b, Qt::Key_Backspace);
  EXPECT_EQ(dialog.control(kB).text(), "567");

  QTest::mouseClick(Widget<QCheckBox>(kCheck), Qt::LeftButton);
  EXPECT_TRUE(dialog.control(kCheck).checked());
  EXPECT_TRUE(Widget<QCheckBox>(kCheck)->isChecked());
}

TEST_F(QtRenderer, AModelMessageBoxIsARealBoxAndItsAnswerGoesBack) {
  ui::Answer answer = ui::Answer::Ok;
  dialog.On(kSave, Event::Click, [&] {
    answer = toolkit.MessageBox("Close without saving?", "TALVO - client", ui::Buttons::YesNo,
                                ui::Icon::Question, 1);
  });
  QDialog* window = ShowActive();
  ASSERT_TRUE(window);

  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  QAbstractButton* defaultButton = nullptr;
  QAbstractButton* no = nullptr;
  WhenBoxShows([&](QMessageBox& box) {
    title = box.windowTitle();
    text = box.text();
    icon = box.icon();
    buttons = box.standardButtons();
    defaultButton = box.defaultButton();
    no = box.button(QMessageBox::No);
    QTest::keyClick(&box, Qt::Key_Escape);  // a Yes/No box offers no way out but its buttons
    ASSERT_TRUE(box.isVisible());
    QTest::mouseClick(no, Qt::LeftButton);
  });
  QTest::mouseClick(Widget<QPushButton>(kSave), Qt::LeftButton);

  EXPECT_EQ(title, "TALVO - client");
  EXPECT_EQ(text, "Close without saving?");
  EXPECT_EQ(icon, QMessageBox::Question);
  EXPECT_EQ(buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(defaultButton, no);
  EXPECT_EQ(answer, ui::Answer::No);
  // The box took the focus of the button and gave it back (the model fires both).
  EXPECT_EQ(log, (Log{"out 10", "in 13", "out 13", "in 13"}));
  EXPECT_TRUE(QTest::qWaitForWindowActive(window));
  EXPECT_EQ(QApplication::focusWidget(), Widget<QPushButton>(kSave));
}

TEST_F(QtRenderer, MessageBoxesAnswerWithTheButtonPressed) {
  struct Case {
    ui::Buttons buttons;
    QMessageBox::StandardButton press;
    ui::Answer answer;
  };
  const Case cases[] = {
      {ui::Buttons::Ok, QMessageBox::Ok, ui::Answer::Ok},
      {ui::Buttons::OkCancel, QMessageBox::Cancel, ui::Answer::Cancel},
      {ui::Buttons::YesNoCancel, QMessageBox::Yes, ui::Answer::Yes},
      {ui::Buttons::RetryCancel, QMessageBox::Retry, ui::Answer::Retry},
  };
  for (const Case& c : cases) {
    WhenBoxShows([&](QMessageBox& box) { box.button(c.press)->click(); });
    EXPECT_EQ(toolkit.MessageBox("text", "caption", c.buttons, ui::Icon::Warning), c.answer)
        << ui::ToString(c.buttons);
  }
}

TEST_F(QtRenderer, ModelChangesShowInTheWidgets) {
  QDialog* window = ShowActive();
  ASSERT_TRUE(window);
  dialog.control(kA).SetText("MADURAI");
  EXPECT_EQ(Widget<QLineEdit>(kA)->text(), "MADURAI");

  dialog.control(kB).SetEnabled(false);
  EXPECT_FALSE(Widget<QLineEdit>(kB)->isEnabled());
  dialog.control(kGroup).SetEnabled(false);  // and what the group box holds
  EXPECT_FALSE(Widget<QCheckBox>(kCheck)->isEnabled());
  dialog.control(kGroup).SetEnabled(true);
  EXPECT_TRUE(Widget<QCheckBox>(kCheck)->isEnabled());

  dialog.control(kNote).SetTextColor(ui::Rgb(255, 0, 0));
  EXPECT_EQ(Widget<QLabel>(kNote)->palette().color(QPalette::Active, QPalette::WindowText),
            QColor(255, 0, 0));
  dialog.control(kA).SetBackColor(ui::Rgb(0, 0, 255));
  EXPECT_EQ(Widget<QLineEdit>(kA)->palette().color(QPalette::Base), QColor(0, 0, 255));
  const QColor standard = QLineEdit().palette().color(QPalette::Base);
  dialog.control(kA).SetBackColor(ui::kSystemColor);
  EXPECT_EQ(Widget<QLineEdit>(kA)->palette().color(QPalette::Base), standard);

  dialog.control(kCheck).SetChecked(true);
  EXPECT_TRUE(Widget<QCheckBox>(kCheck)->isChecked());
  dialog.control(kNote).SetVisible(false);
  EXPECT_TRUE(Widget<QLabel>(kNote)->isHidden());
  dialog.control(kCombo).AddItem("KERALA");
  dialog.control(kCombo).AddItem("TAMIL NADU");
  dialog.control(kCombo).SetText("tamil nadu");
  EXPECT_EQ(Widget<QComboBox>(kCombo)->currentText(), "TAMIL NADU");
  dialog.control(kProgress).SetRange(0, 10);
  dialog.control(kProgress).SetPosition(4);
  EXPECT_EQ(Widget<QProgressBar>(kProgress)->value(), 4);
  dialog.control(kA).SetTip("Town");
  EXPECT_EQ(Widget<QLineEdit>(kA)->toolTip(), "Town");
  dialog.control(kA).SetReadOnly(true);
  EXPECT_TRUE(Widget<QLineEdit>(kA)->isReadOnly());
  dialog.control(kA).SetTextSelection(1, 3);
  EXPECT_EQ(Widget<QLineEdit>(kA)->selectedText(), "ADU");
  dialog.SetCaption("TALVO - Modify");
  EXPECT_EQ(window->windowTitle(), "TALVO - Modify");

  log.clear();
  dialog.SetFocus(kSave);
  EXPECT_EQ(QApplication::focusWidget(), Widget<QPushButton>(kSave));
  EXPECT_EQ(log, (Log{"out 10", "in 13"}));  // nothing more from Qt's own focus events
}

TEST_F(QtRenderer, AChoiceInAComboGoesIntoTheModel) {
  int choices = 0;
  dialog.On(kCombo, Event::SelChange, [&] { ++choices; });
  for (const char* state : {"KERALA", "TAMIL NADU", "KARNATAKA"})
    dialog.control(kCombo).AddItem(state);
  dialog.control(kCombo).SetSelection(0);
  ASSERT_TRUE(ShowActive());
  auto* combo = Widget<QComboBox>(kCombo);

  bool mayLeave = false;
  dialog.OnValidate(kA, [&] { return mayLeave; });
  QTest::mouseClick(combo, Qt::LeftButton);  // the box keeps the focus: the list stays shut
  EXPECT_EQ(dialog.focus(), &dialog.control(kA));
  EXPECT_FALSE(combo->view()->isVisible());

  mayLeave = true;
  dialog.SetFocus(kCombo);
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(dialog.control(kCombo).selection(), 1);
  EXPECT_EQ(dialog.control(kCombo).text(), "TAMIL NADU");
  EXPECT_EQ(choices, 1);
  EXPECT_EQ(combo->currentText(), "TAMIL NADU");
}

TEST_F(QtRenderer, AMultiLineBoxShowsItsLinesAndTheModelsCaret) {
  ASSERT_TRUE(ShowActive());
  dialog.SetFocus(kRemarks);
  auto* remarks = Widget<QPlainTextEdit>(kRemarks);
  ASSERT_EQ(QApplication::focusWidget(), remarks);
  QTest::keyClicks(remarks, "ab");
  QTest::keyClick(remarks, Qt::Key_Return);
  QTest::keyClicks(remarks, "cd");
  EXPECT_EQ(dialog.control(kRemarks).text(), "ab\r\ncd");  // lines break with CR LF
  EXPECT_EQ(remarks->toPlainText(), "ab\ncd");
  EXPECT_EQ(remarks->textCursor().position(), 5);
  dialog.control(kRemarks).SetTextSelection(4, 2);  // "cd": the model counts CR LF as two
  EXPECT_EQ(remarks->textCursor().selectedText(), "cd");
  QTest::keyClicks(remarks, "x");  // replaces the selection
  EXPECT_EQ(dialog.control(kRemarks).text(), "ab\r\nx");
  EXPECT_EQ(remarks->toPlainText(), "ab\nx");
  EXPECT_EQ(remarks->textCursor().position(), 4);
}

TEST_F(QtRenderer, CopyAndPasteGoThroughTheModelAndTheClipboard) {
  ASSERT_TRUE(ShowActive());
  QTest::keyClicks(QApplication::focusWidget(), "4711");
  dialog.control(kA).SelectAllText();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "4711");
  EXPECT_EQ(toolkit.clipboardText(), "4711");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  log.clear();
  QGuiApplication::clipboard()->setText("123456\nsecond line");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(dialog.control(kB).text(), "1234");  // the first line, cut to the box's limit
  EXPECT_EQ(Widget<QLineEdit>(kB)->text(), "1234");
  EXPECT_EQ(log, (Log{"change 11"}));
}

TEST_F(QtRenderer, APictureControlShowsItsBitmap) {
  ASSERT_TRUE(ShowActive());
  dialog.control(kPicture).SetPicture({3, 2, std::vector<std::uint32_t>(6, 0x0000FF00u)});
  const QPixmap shown = Widget<QLabel>(kPicture)->pixmap();
  ASSERT_EQ(shown.size(), QSize(3, 2));
  EXPECT_EQ(shown.toImage().pixelColor(2, 1), QColor(0, 255, 0));
}

TEST_F(QtRenderer, ControlsSitAtTheirTemplateRectanglesWithTheirNames) {
  QDialog* window = ShowActive();
  ASSERT_TRUE(window);
  const ui::qt::DialogUnits units(ui::qt::DialogFont());
  EXPECT_EQ(window->size(), units.ToPixels(ui::Size{220, 140}));
  EXPECT_EQ(Widget<QLineEdit>(kB)->geometry(), units.ToPixels(ui::Rect{50, 23, 80, 12}));
  EXPECT_EQ(Widget<QLineEdit>(kA)->accessibleName(), "Name :");
  EXPECT_EQ(Widget<QLabel>(kNameLabel)->buddy(), Widget<QLineEdit>(kA));
  EXPECT_EQ(window->windowTitle(), "TALVO - Entry");
  // The group box lies behind the check box it holds, though the template lists it later.
  const QObjectList& order = Widget<QGroupBox>(kGroup)->parent()->children();
  EXPECT_LT(order.indexOf(Widget<QGroupBox>(kGroup)), order.indexOf(Widget<QCheckBox>(kCheck)));
  EXPECT_TRUE(Widget<QPushButton>(ui::IDOK)->isDefault());

  dialog.MoveWindow(ui::Rect{45, 70, -1, 300});
  EXPECT_EQ(window->height(), 300);
  EXPECT_EQ(window->width(), units.x(220));
}

TEST_F(QtRenderer, AnAccessKeyClicksItsButtonOrFocusesTheBoxAfterItsLabel) {
  int saves = 0;
  dialog.On(kSave, Event::Click, [&] { ++saves; });
  ASSERT_TRUE(ShowActive());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(dialog.focus(), &dialog.control(kSave));
  EXPECT_EQ(dialog.control(kA).text(), "");  // not typed into the box
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
  EXPECT_EQ(dialog.focus(), &dialog.control(kA));
}

TEST_F(QtRenderer, TheCloseBoxAsksTheModel) {
  QDialog* window = ShowActive();
  ASSERT_TRUE(window);
  window->close();  // the cancel button's command: the modeless dialog ends and hides
  EXPECT_TRUE(dialog.hasEnded());
  EXPECT_EQ(dialog.result(), ui::IDCANCEL);
  EXPECT_FALSE(window->isVisible());
}

// ProcessEnd thrown in a click handler inside a modal run: the run unwinds as ProcessEnd, and
// the exit code comes out of Exec (or out of the run itself when no main loop runs).
TEST_F(QtRenderer, EndingTheProcessInAModalRunUnwindsItWithTheExitCode) {
  dialog.On(kSave, Event::Click, [&] { toolkit.EndProcess(3); });
  int unwoundWith = -1;
  const auto runModal = [&] {
    QTimer::singleShot(0, [&] {
      QDialog* window = backend.windowOf(dialog);
      ASSERT_TRUE(window && window->isVisible() && window->isModal());
      QTest::mouseClick(Widget<QPushButton>(kSave), Qt::LeftButton);
    });
    try {
      dialog.DoModal();
    } catch (const ui::ProcessEnd& end) {
      unwoundWith = end.exitCode;
      throw;
    }
  };
  backend.Post(runModal);
  EXPECT_EQ(backend.Exec(), 3);
  EXPECT_EQ(unwoundWith, 3);
  EXPECT_FALSE(backend.windowOf(dialog)->isVisible());
  EXPECT_TRUE(backend.ending());
  EXPECT_THROW(dialog.DoModal(), ui::ProcessEnd);  // the process is ending: no more runs
}

TEST(QtBackend, EndingTheProcessWithoutAMainLoopUnwindsTheModalRun) {
  ui::qt::QtBackend backend;
  ui::Toolkit toolkit(backend);
  ui::Dialog dialog(toolkit, Form());
  dialog.On(kSave, Event::Click, [&] { toolkit.EndProcess(5); });
  QTimer::singleShot(0, [&] {
    QTest::mouseClick(backend.windowOf(dialog)->findChild<QPushButton*>("13"), Qt::LeftButton);
  });
  try {
    dialog.DoModal();
    ADD_FAILURE() << "the modal run returned";
  } catch (const ui::ProcessEnd& end) {
    EXPECT_EQ(end.exitCode, 5);
  }
  EXPECT_EQ(backend.Exec(), 5);
}

TEST(QtBackend, AnyOtherExceptionInAHandlerEndsTheProcessWithCode70) {
  ui::qt::QtBackend backend;
  ui::Toolkit toolkit(backend);
  backend.Post([] { throw std::runtime_error("record list damaged"); });
  testing::internal::CaptureStderr();
  EXPECT_EQ(backend.Exec(), ui::qt::QtBackend::kInternalErrorExitCode);
  EXPECT_NE(testing::internal::GetCapturedStderr().find("record list damaged"), std::string::npos);
}

TEST_F(QtRenderer, AModalRunReturnsTheResultWhenTheDialogEnds) {
  QTimer::singleShot(0, [&] { QTest::mouseClick(Widget<QPushButton>(ui::IDOK), Qt::LeftButton); });
  EXPECT_EQ(dialog.DoModal(), ui::IDOK);
  EXPECT_FALSE(backend.windowOf(dialog)->isVisible());
}

TEST_F(QtRenderer, AWindowTheUserActivatesBecomesTheToolkitsActiveWindow) {
  QDialog* window = ShowActive();
  ASSERT_TRUE(window);
  ui::Dialog second(toolkit, Form());
  second.Create();
  second.Show();
  QDialog* other = backend.windowOf(second);
  ASSERT_TRUE(QTest::qWaitForWindowActive(other));
  EXPECT_EQ(toolkit.activeDialog(), &second);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  EXPECT_EQ(toolkit.activeDialog(), &dialog);
}

TEST_F(QtRenderer, AWindowDestroyedByItsOwnButtonGoesSafely) {
  dialog.On(kSave, Event::Click, [&] { dialog.Destroy(); });
  QDialog* window = ShowActive();
  ASSERT_TRUE(window);
  const QPointer<QDialog> watch = window;
  QTest::mouseClick(Widget<QPushButton>(kSave), Qt::LeftButton);
  EXPECT_EQ(backend.windowOf(dialog), nullptr);
  EXPECT_FALSE(watch && watch->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(watch.isNull());
  dialog.Show();  // a new window for the same dialog
  ASSERT_TRUE(backend.windowOf(dialog));
  EXPECT_NE(backend.windowOf(dialog), watch.data());
}

TEST(QtBackend, ATallDialogScrollsItsContent) {
  ui::qt::QtBackend backend;
  ui::Toolkit toolkit(backend);
  ui::DialogTemplate t{
      .resourceId = 131, .size = {200, 843}, .captionBar = false, .verticalScrollBar = true};
  t.controls = {{.kind = ControlKind::Edit, .id = 1, .rect = {10, 10, 80, 12}},
                {.kind = ControlKind::Edit, .id = 2, .rect = {10, 800, 80, 12}}};
  ui::Dialog form(toolkit, t);
  form.Create();
  form.MoveWindow(ui::Rect{45, 70, -1, 500});  // as the entry form places itself
  form.Show();
  QDialog* window = backend.windowOf(form);
  auto* area = window->findChild<QScrollArea*>();
  ASSERT_TRUE(area);
  EXPECT_EQ(window->height(), 500);
  EXPECT_EQ(window->pos(), QPoint(45, 70));
  const ui::qt::DialogUnits units(ui::qt::DialogFont());
  EXPECT_EQ(area->widget()->size(), units.ToPixels(ui::Size{200, 843}));
  EXPECT_EQ(area->verticalScrollBar()->value(), 0);
  form.SetFocus(2);  // a box far down comes into view
  EXPECT_GT(area->verticalScrollBar()->value(), 0);
}

TEST(QtBackend, AWaitingLoopUnwindsWhenAHandlerEndsTheProcess) {
  ui::qt::QtBackend backend;
  ui::Toolkit toolkit(backend);
  int rounds = 0;
  backend.Post([&] {
    toolkit.Post([&] { toolkit.EndProcess(4); });
    for (; rounds < 1000; ++rounds) toolkit.ProcessEvents();  // "do events" until done
  });
  EXPECT_EQ(backend.Exec(), 4);
  EXPECT_LT(rounds, 1000);
}

TEST(QtBackend, TasksPostedFromAnotherThreadRunOnTheWindowsThread) {
  ui::qt::QtBackend backend;
  ui::Toolkit toolkit(backend);
  std::thread::id ranOn;
  std::thread worker([&] {
    toolkit.Post([&] {
      ranOn = std::this_thread::get_id();
      toolkit.EndProcess(6);
    });
  });
  worker.join();
  EXPECT_EQ(backend.Exec(), 6);
  EXPECT_EQ(ranOn, std::this_thread::get_id());
}

class TestFrame : public ui::FrameWindow {
 public:
  using FrameWindow::FrameWindow;
  bool addEnabled = false;
  std::vector<int> commands;
  int closeRequests = 0;
  std::vector<ui::Size> paints;
  bool IsCommandEnabled(int command) const override { return command != 32771 || addEnabled; }
  void OnCommand(int command) override { commands.push_back(command); }

 protected:
  void OnPaint(ui::Canvas& canvas, ui::Size client) override {
    paints.push_back(client);
    canvas.Fill(ui::Rgb(100, 100, 100));
    const ui::Picture red{2, 2, std::vector<std::uint32_t>(4, 0x00FF0000u)};
    canvas.DrawPicture(red, {(client.width - 2) / 2, (client.height - 2) / 2});
  }
  void OnCloseRequest() override { ++closeRequests; }
};

TEST(QtFrame, TheFrameShowsItsMenuPanesAndViewAndAsksBeforeClosing) {
  ui::qt::QtBackend backend;
  ui::Toolkit toolkit(backend);
  TestFrame frame(toolkit, "TALVOClient - Korvex");
  frame.SetMenu({{"A&pplication", 0, {{"&Add", 32771}, {"", 0}, {"E&xit", 32775}}}});
  frame.SetStatusPanes({"Ready", "CAP", "NUM", "SCRL"});
  frame.ShowMaximized();
  QMainWindow* window = backend.windowOf(frame);
  ASSERT_TRUE(window);
  EXPECT_EQ(window->windowTitle(), "TALVOClient - Korvex");
  EXPECT_TRUE(window->isMaximized());
  QWidget* view = window->centralWidget();
  // The view is painted at its size once the window has it.
  ASSERT_TRUE(QTest::qWaitFor([&] {
    return !frame.paints.empty() && frame.paints.back() == ui::Size{view->width(), view->height()};
  }));
  const QImage shown = view->grab().toImage();
  EXPECT_EQ(shown.pixelColor(view->width() / 2, view->height() / 2), QColor(255, 0, 0));
  EXPECT_EQ(shown.pixelColor(1, 1), QColor(100, 100, 100));

  EXPECT_EQ(window->statusBar()->findChild<QLabel*>("pane0")->text(), "Ready");
  EXPECT_EQ(window->statusBar()->findChild<QLabel*>("pane3")->text(), "SCRL");

  QMenu* menu = nullptr;
  for (QMenu* m : window->menuBar()->findChildren<QMenu*>())
    if (m->title() == "A&pplication") menu = m;
  ASSERT_TRUE(menu);
  emit menu->aboutToShow();
  EXPECT_FALSE(menu->actions().at(0)->isEnabled());
  frame.addEnabled = true;
  emit menu->aboutToShow();
  EXPECT_TRUE(menu->actions().at(0)->isEnabled());
  menu->actions().at(2)->trigger();
  EXPECT_EQ(frame.commands, (std::vector<int>{32775}));

  window->close();
  EXPECT_EQ(frame.closeRequests, 1);
  EXPECT_TRUE(window->isVisible());  // the model decides
  frame.Close();
  EXPECT_EQ(backend.windowOf(frame), nullptr);
  EXPECT_EQ(backend.Exec(), 0);  // closing the main window ends the process
}

TEST(KeyMapping, QtKeysBecomeTheModelsKeys) {
  using Kind = ui::qt::KeyIntent::Kind;
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;
    Kind kind;
    int code;
  };
  const Case cases[] = {
      {Qt::Key_A, Qt::NoModifier, "a", Kind::Keys, 'a'},
      {Qt::Key_A, Qt::ShiftModifier, "A", Kind::Keys, 'A'},
      {Qt::Key_Tab, Qt::NoModifier, "\t", Kind::Keys, ui::Key::kTab},
      {Qt::Key_Return, Qt::NoModifier, "\r", Kind::Keys, ui::Key::kEnter},
      {Qt::Key_Enter, Qt::KeypadModifier, "\r", Kind::Keys, ui::Key::kEnter},
      {Qt::Key_Escape, Qt::NoModifier, "\x1b", Kind::Keys, ui::Key::kEscape},
      {Qt::Key_Backspace, Qt::NoModifier, "\b", Kind::Keys, ui::Key::kBackspace},
      {Qt::Key_Delete, Qt::NoModifier, "", Kind::Keys, ui::Key::kDelete},
      {Qt::Key_Home, Qt::NoModifier, "", Kind::Keys, ui::Key::kHome},
      {Qt::Key_Left, Qt::NoModifier, "", Kind::Keys, ui::Key::kLeft},
      {Qt::Key_F1, Qt::NoModifier, "", Kind::Keys, ui::Key::kF1},
      {Qt::Key_PageDown, Qt::NoModifier, "", Kind::Keys, 256 + 34},
      {Qt::Key_C, Qt::ControlModifier, "\x03", Kind::Copy, 0},
      {Qt::Key_V, Qt::ControlModifier, "\x16", Kind::Paste, 0},
      {Qt::Key_Insert, Qt::ShiftModifier, "", Kind::Paste, 0},
      {Qt::Key_X, Qt::ControlModifier, "\x18", Kind::Cut, 0},
      {Qt::Key_Z, Qt::ControlModifier, "\x1a", Kind::Ignore, 0},
      {Qt::Key_S, Qt::AltModifier, "s", Kind::AccessKey, 0},
      {Qt::Key_Shift, Qt::ShiftModifier, "", Kind::Ignore, 0},
  };
  for (const Case& c : cases) {
    const QKeyEvent event(QEvent::KeyPress, c.key, c.modifiers, c.text);
    const ui::qt::KeyIntent intent = ui::qt::Interpret(event);
    EXPECT_EQ(intent.kind, c.kind) << c.key;
    if (c.kind == Kind::Keys) {
      ASSERT_EQ(intent.keys.size(), 1u) << c.key;
      EXPECT_EQ(intent.keys[0].code, c.code) << c.key;
    }
  }
  const QKeyEvent backtab(QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(ui::qt::Interpret(backtab).keys.at(0).shift);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);  // the windows need one, for every test
  return RUN_ALL_TESTS();
}
