#pragma once
// Message boxes: caption, text, buttons, icon and default button, and the answer.

#include <string>

namespace ui {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Icon { None, Information, Warning, Error, Question };

// Answers, numbered as the dialog framework numbers them.
enum class Answer { Ok = 1, Cancel = 2, Retry = 4, Yes = 6, No = 7 };

struct MessageBoxSpec {
  std::string text;
  std::string caption;
  Buttons buttons = Buttons::Ok;
  Icon icon = Icon::None;
  int defaultButton = 0;  // 0 for the first button, 1 for the second, 2 for the third
};

const char* ToString(Buttons b);
const char* ToString(Icon i);
const char* ToString(Answer a);

}  // namespace ui
