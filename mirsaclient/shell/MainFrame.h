#pragma once
// The main window: the frame CMainFrame around the view CMIRSAClientView, which shows only a
// picture on a grey field. The first paint of the view runs the start-up sequence.

#include <functional>

#include "ui/FrameWindow.h"

namespace mirsa {

inline constexpr ui::Color kViewBackground = ui::Rgb(100, 100, 100);
inline constexpr const char* kWindowTitle = "TALVOClient";
inline constexpr const char* kDocumentTitle = "Korvex";
inline constexpr int IDR_MAINFRAME_ICON = 147;

class CMIRSAClientView {
 public:
  // `startUp` runs once, after the first paint.
  CMIRSAClientView(ui::Toolkit& toolkit, std::function<void()> startUp);
  void OnDraw(ui::Canvas& canvas, ui::Size client);
  // Where the picture's top-left corner goes: centred, each division rounding toward zero.
  static ui::Point PictureOrigin(ui::Size client);

 private:
  ui::Toolkit& toolkit_;
  std::function<void()> startUp_;
  bool firstPaint_ = true;
};

class CMainFrame : public ui::FrameWindow {
 public:
  CMainFrame(ui::Toolkit& toolkit, std::function<void()> startUp);
  CMIRSAClientView& view() { return view_; }

 protected:
  void OnPaint(ui::Canvas& canvas, ui::Size client) override { view_.OnDraw(canvas, client); }
  void OnCloseRequest() override;

 private:
  CMIRSAClientView view_;
};

}  // namespace mirsa
