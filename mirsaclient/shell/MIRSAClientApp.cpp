#include "mirsaclient/shell/MIRSAClientApp.h"

#include "mirsaclient/resources/Strings.h"
#include "mirsaclient/shell/StartUp.h"
#include "ui/Toolkit.h"

namespace mirsa {

CMIRSAClientApp::CMIRSAClientApp(ui::Toolkit& toolkit, std::function<bool()> startNetwork)
    : toolkit_(toolkit), startNetwork_(std::move(startNetwork)) {}

void CMIRSAClientApp::InitInstance() {
  if (!startNetwork_()) {
    toolkit_.MessageBox(kSocketsInitFailed, kApplicationTitle, ui::Buttons::Ok, ui::Icon::Warning);
    toolkit_.EndProcess(1);
  }
  // The profile settings: the client keeps none beyond the key and the empty recent-file list.
  profile_ = {kProfileRegistryKey, kRecentFileListSize};
  frame_ = std::make_unique<CMainFrame>(toolkit_, [this] { RunStartUpSequence(toolkit_); });
  frame_->ShowMaximized();
}

}  // namespace mirsa
