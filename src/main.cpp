// Parses the command line, picks the window or headless mode, builds the pieces and starts.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <iostream>
#include <memory>

#include "app/CommandLine.h"
#include "app/Messages.h"
#include "app/PathText.h"
#include "app/ProgramInfo.h"
#include "app/StatusLog.h"
#include "app/WidgetMessageDialog.h"
#include "app/WidgetTextBox.h"
#include "app/frmMain.h"
#include "platform/DiskLogFile.h"
#include "platform/ProcessExit.h"
#include "platform/StreamMessageDialog.h"
#include "platform/StreamTextBox.h"
#include "platform/SystemClock.h"

namespace {

using namespace brevio;

ProgramInfo MakeProgramInfo() {
  const QFileInfo executable(QCoreApplication::applicationFilePath());
  ProgramInfo info;
  info.ProgramTitle = MakeProgramTitle();
  info.ProgramVersionText = MakeProgramVersionText();
  info.HelpDocumentPath =
      JoinPath(QDir::toNativeSeparators(executable.absolutePath()).toStdString(),
               executable.completeBaseName().toStdString() + ".html");
  return info;
}

// The pieces that do not depend on the mode.
struct Services {
  SystemClock clock;
  DiskLogFile logFile;
  ProcessExit end;
  ProgramInfo info = MakeProgramInfo();
};

int RunHeadless(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  Services services;
  StreamMessageDialog dialog(std::cerr);
  Messages messages(dialog, services.end, services.info);
  StreamTextBox txtStatus("txtStatus", &std::cerr);
  StreamTextBox txtAPRS("txtAPRS", nullptr);
  StatusLog log(txtStatus, txtAPRS, services.clock, services.logFile, messages);
  log.LogStatus("start of " + services.info.ProgramTitle);
  return app.exec();
}

int RunWindowed(int argc, char** argv) {
  QApplication app(argc, argv);
  Services services;
  frmMain window;
  WidgetMessageDialog dialog(&window);
  Messages messages(dialog, services.end, services.info);
  WidgetTextBox txtStatus(*window.txtStatus());
  WidgetTextBox txtAPRS(*window.txtAPRS());
  StatusLog log(txtStatus, txtAPRS, services.clock, services.logFile, messages);
  window.setWindowTitle(QString::fromStdString(services.info.ProgramTitle));
  window.show();
  window.CentreOnScreen();
  log.LogStatus("start of " + services.info.ProgramTitle);
  return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!line.error.empty()) {
    std::cerr << "brevio: " << line.error << "\n\n" << UsageText();
    return 2;
  }
  if (line.showHelp) {
    std::cout << UsageText();
    return 0;
  }
  if (line.showVersion) {
    std::cout << MakeProgramTitle() << "\n";
    return 0;
  }
  return line.headless ? RunHeadless(argc, argv) : RunWindowed(argc, argv);
}
