// SPDX-License-Identifier: GPL-3.0-or-later
// brevio-gui: the program with its window; --headless runs it as brevio does.
#include <QApplication>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <optional>

#include "Program.h"
#include "Wiring.h"
#include "app/HelpMenu.h"
#include "app/WidgetMainWindow.h"
#include "app/WidgetStatusBar.h"
#include "app/WidgetTextBox.h"
#include "app/frmMain.h"
#include "base/ProgramInfo.h"
#include "platform/WidgetMessageDialog.h"
#include "setup/DesktopUrlOpener.h"
#include "setup/frmNewStation.h"

namespace {

using namespace brevio;

// The about window may outlive the main window; the program ends when it is closed.
void RunWhileWindowsOpen() {
  const QWidgetList windows = QApplication::topLevelWidgets();
  if (std::any_of(windows.cbegin(), windows.cend(), [](QWidget* w) { return w->isVisible(); })) {
    QApplication::exec();
  }
}

// Qt aborts where it finds no display to open a window on.
bool DisplayAvailable() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

int RunWindowed(int argc, char** argv, const CommandLine& line) {
  if (!DisplayAvailable()) {
    std::cerr << "brevio: no display to open a window on; run brevio --headless (or set "
                 "QT_QPA_PLATFORM=offscreen)\n";
    return 2;
  }
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
      {.dialog = dialog,
       .txtStatus = txtStatus,
       .txtAPRS = txtAPRS,
       .window = window,
       .activate =
           [&form] {
             form.showNormal();
             form.raise();
             form.activateWindow();
           },
       .connectHelp = [&](const ProgramInfo& info) { help.emplace(form, info, opener); },
       .runWhileWindowsOpen = RunWhileWindowsOpen,
       .noStation =
           [&form, &line](const std::string& folder) {
             return OfferNewStation(form, folder, line.programFolder);
           },
       .showSummary = [&](StationSummary& summary, StatusLog&) { bar.emplace(form, summary); }});
}

}  // namespace

int main(int argc, char** argv) {
  return RunProgram(argc, argv, RunWindowed);
}
