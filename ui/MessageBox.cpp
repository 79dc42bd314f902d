#include "ui/MessageBox.h"

namespace ui {

const char* ToString(Buttons b) {
  switch (b) {
    case Buttons::Ok:
      return "OK";
    case Buttons::OkCancel:
      return "OK Cancel";
    case Buttons::YesNo:
      return "Yes No";
    case Buttons::YesNoCancel:
      return "Yes No Cancel";
    case Buttons::RetryCancel:
      return "Retry Cancel";
  }
  return "?";
}

const char* ToString(Icon i) {
  switch (i) {
    case Icon::None:
      return "none";
    case Icon::Information:
      return "information";
    case Icon::Warning:
      return "warning";
    case Icon::Error:
      return "error";
    case Icon::Question:
      return "question";
  }
  return "?";
}

const char* ToString(Answer a) {
  switch (a) {
    case Answer::Ok:
      return "OK";
    case Answer::Cancel:
      return "Cancel";
    case Answer::Retry:
      return "Retry";
    case Answer::Yes:
      return "Yes";
    case Answer::No:
      return "No";
  }
  return "?";
}

}  // namespace ui
