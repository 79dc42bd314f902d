#include "mirsaclient/shell/MainFrame.h"

#include <string>

#include "mirsaclient/resources/Pictures.h"
#include "mirsaclient/resources/Strings.h"
#include "mirsaclient/shell/ProcessState.h"
#include "ui/Toolkit.h"

namespace mirsa {

CMIRSAClientView::CMIRSAClientView(ui::Toolkit& toolkit, std::function<void()> startUp)
    : toolkit_(toolkit), startUp_(std::move(startUp)) {
  g_pApplicationForm = nullptr;
  g_bAddEnabled = g_bModifyEnabled = g_bDeleteEnabled = g_bVerifyEnabled = true;
}

ui::Point CMIRSAClientView::PictureOrigin(ui::Size client) {
  return {(client.width - kMainPictureWidth) / 2, (client.height - kMainPictureHeight) / 2};
}

void CMIRSAClientView::OnDraw(ui::Canvas& canvas, ui::Size client) {
  canvas.Fill(kViewBackground);
  canvas.DrawPicture(MainPicture(), PictureOrigin(client));
  if (!firstPaint_) return;
  firstPaint_ = false;
  // The start-up's modal dialogs run once this paint has finished.
  toolkit_.Post(startUp_);
}

CMainFrame::CMainFrame(ui::Toolkit& toolkit, std::function<void()> startUp)
    : ui::FrameWindow(toolkit, std::string(kWindowTitle) + " - " + kDocumentTitle),
      view_(toolkit, std::move(startUp)) {
  SetStatusPanes({kIdleMessage, kIndicatorCaps, kIndicatorNum, kIndicatorScroll});
}

void CMainFrame::OnCloseRequest() {
  if (toolkit().MessageBox("Are you sure you want to exit?", "TALVO", ui::Buttons::YesNo,
                           ui::Icon::Question) != ui::Answer::Yes)
    return;
  toolkit().EndProcess(0);
}

}  // namespace mirsa
