// Parses the command line, picks the window or headless mode, builds the pieces and starts.
#include <QApplication>
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "Wiring.h"
#include "app/CheckCommand.h"
#include "app/CommandLine.h"
#include "app/HeadlessWindow.h"
#include "app/HelpMenu.h"
#include "app/NewStationCommand.h"
#include "app/WidgetMainWindow.h"
#include "app/WidgetStatusBar.h"
#include "app/WidgetTextBox.h"
#include "app/frmMain.h"
#include "base/ProgramInfo.h"
#include "platform/StreamMessageDialog.h"
#include "platform/StreamTextBox.h"
#include "platform/WidgetMessageDialog.h"
#include "setup/DesktopUrlOpener.h"
#include "setup/frmNewStation.h"

namespace {

using namespace brevio;

int RunHeadless(int argc, char** argv, const CommandLine& line) {
  QCoreApplication app(argc, argv);
  StreamMessageDialog dialog(std::cerr);
  StreamTextBox txtStatus("txtStatus", &std::cerr);
  StreamTextBox txtAPRS("txtAPRS", line.echo ? &std::cerr : nullptr);
  HeadlessWindow window(std::cerr);
  const auto noStation = [&dialog](const std::string& folder) -> std::optional<std::string> {
    dialog.FollowCriticalWith("brevio: no station in " +
                              (folder.empty() ? std::string("the host folder") : folder) +
                              " yet; brevio --new-station DIR sets one up");
    return std::nullopt;
  };
  return RunServer(line, {dialog,
                          txtStatus,
                          txtAPRS,
                          window,
                          {},
                          {},
                          {},
                          noStation,
                          [&window](StationSummary& summary, StatusLog& log) {
                            window.OnSummaryAsked([&summary, &log] {
                              log.LogStatus(summary.Text(std::chrono::system_clock::now()));
                            });
                          }});
}

// The about window may outlive the main window; the program ends when it is closed.
void RunWhileWindowsOpen() {
  const QWidgetList windows = QApplication::topLevelWidgets();
  if (std::any_of(windows.cbegin(), windows.cend(), [](QWidget* w) { return w->isVisible(); })) {
    QApplication::exec();
  }
}

int RunWindowed(int argc, char** argv, const CommandLine& line) {
  QApplication app(argc, argv);
  frmMain form;
  WidgetMessageDialog dialog(&form);
  WidgetTextBox txtStatus(*form.txtStatus());
  WidgetTextBox txtAPRS(*form.txtAPRS());
  WidgetMainWindow window(form);
  DesktopUrlOpener opener;
  std::optional<HelpMenu> help;
  std::optional<WidgetStatusBar> bar;
  return RunServer(
      line,
      {dialog, txtStatus, txtAPRS, window,
       [&form] {
         form.showNormal();
         form.raise();
         form.activateWindow();
       },
       [&](const ProgramInfo& info) { help.emplace(form, info, opener); }, RunWhileWindowsOpen,
       [&form, &line](const std::string& folder) {
         return OfferNewStation(form, folder, line.programFolder);
       },
       [&](StationSummary& summary, StatusLog&) { bar.emplace(form, summary); }});
}

// Qt aborts where it finds no display to open a window on.
bool DisplayAvailable() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!line.error.empty()) {
    std::cerr << "brevio: " << line.error << "\nbrevio --help lists the options\n";
    return 2;
  }
  if (line.showHelp) {
    std::cout << UsageText();
    return 0;
  }
  if (line.newStation) return RunNewStation(line);
  if (line.check) return RunCheck(argc, argv, line);
  if (line.showVersion) {
    std::cout << MakeProgramTitle() << "\n";
    return 0;
  }
  // A reader of the frames on standard output that goes away is a write error, not the end.
  std::signal(SIGPIPE, SIG_IGN);
  if (!line.headless && !DisplayAvailable()) {
    std::cerr << "brevio: no display to open a window on; run brevio --headless (or set "
                 "QT_QPA_PLATFORM=offscreen)\n";
    return 2;
  }
  return line.headless ? RunHeadless(argc, argv, line) : RunWindowed(argc, argv, line);
}
