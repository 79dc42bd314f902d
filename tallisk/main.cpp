// Tallisk: the branch's yearly service-fee calculator. Its files live in the folder of the
// program file.
#include <QApplication>
#include <QDir>
#include <filesystem>

#include "tallisk/member/StartUp.h"
#include "tallisk/upload/TrustFtpServer.h"
#include "ui/Toolkit.h"
#include "ui/qt/QtBackend.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ui::qt::QtBackend backend;
  ui::Toolkit toolkit(backend);
  const std::filesystem::path programDir =
      QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
  const tallisk::FtpServerAddress trustServer{std::string(tallisk::kTrustFtpHost),
                                              tallisk::kTrustFtpPort};
  tallisk::TalliskApp app(toolkit, programDir, trustServer);
  try {
    if (!app.Start()) return 0;
    return backend.Exec();
  } catch (const ui::ProcessEnd& end) {
    return end.exitCode;
  }
}
