// SPDX-License-Identifier: GPL-3.0-or-later
// Parses the command line, picks the window or headless mode, builds the pieces and starts.
#include <QCoreApplication>
#include <chrono>
#include <csignal>
#include <iostream>
#include <optional>

#include "Program.h"
#include "Wiring.h"
#include "app/CheckCommand.h"
#include "app/CommandLine.h"
#include "app/HeadlessWindow.h"
#include "app/NewStationCommand.h"
#include "base/ProgramInfo.h"
#include "platform/StandardStreams.h"
#include "platform/StreamMessageDialog.h"
#include "platform/StreamTextBox.h"

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
  return RunServer(line, {.dialog = dialog,
                          .txtStatus = txtStatus,
                          .txtAPRS = txtAPRS,
                          .window = window,
                          .activate = {},
                          .connectHelp = {},
                          .runWhileWindowsOpen = {},
                          .noStation = noStation,
                          .showSummary = [&window](StationSummary& summary, StatusLog& log) {
                            window.OnSummaryAsked([&summary, &log] {
                              log.LogStatus(summary.Text(std::chrono::system_clock::now()));
                            });
                          }});
}

}  // namespace

namespace brevio {

int RunProgram(int argc, char** argv, const WindowRunner& runWindowed) {
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
  HoldClosedStandardStreams();
  if (line.headless || !runWindowed) return RunHeadless(argc, argv, line);
  return runWindowed(argc, argv, line);
}

}  // namespace brevio
