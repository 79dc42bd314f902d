#pragma once
// The application object: starts the network layer, keeps the profile settings key, creates
// the main window maximised; its first paint runs the start-up sequence.

#include <functional>
#include <memory>
#include <string>

#include "mirsaclient/shell/MainFrame.h"

namespace ui {
class Toolkit;
}

namespace mirsa {

inline constexpr const char* kProfileRegistryKey = "Local AppWizard-Generated Applications";
inline constexpr const char* kApplicationTitle = "MIRSAClient";
inline constexpr int kRecentFileListSize = 4;

struct ProfileSettings {
  std::string registryKey;
  int recentFileListSize = 0;
};

class CMIRSAClientApp {
 public:
  // `startNetwork` starts the network layer and answers whether it could.
  CMIRSAClientApp(ui::Toolkit& toolkit, std::function<bool()> startNetwork);
  // Shows the main window; ends the process when the network layer cannot start.
  void InitInstance();

  CMainFrame* mainFrame() const { return frame_.get(); }
  const ProfileSettings& profile() const { return profile_; }

 private:
  ui::Toolkit& toolkit_;
  std::function<bool()> startNetwork_;
  ProfileSettings profile_;
  std::unique_ptr<CMainFrame> frame_;
};

}  // namespace mirsa
