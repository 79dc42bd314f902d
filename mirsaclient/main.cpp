// MIRSAClient: the application-entry client of the branch.
#include <QApplication>

#include "mirsaclient/shell/MIRSAClientApp.h"
#include "platform/NetworkLayer.h"
#include "ui/Toolkit.h"
#include "ui/qt/QtBackend.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ui::qt::QtBackend backend;
  ui::Toolkit toolkit(backend);
  platform::NetworkLayer network;
  mirsa::CMIRSAClientApp client(toolkit, [&network] { return network.started(); });
  try {
    client.InitInstance();
    return backend.Exec();
  } catch (const ui::ProcessEnd& end) {
    return end.exitCode;
  }
}
