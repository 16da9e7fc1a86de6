// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/CoreHarness.h"

namespace brevio::test {

CoreHarness::CoreHarness() {
  info.ProgramTitle = "UI-View32 add-on Brevio Server V9.8.7";
  info.HelpDocumentPath = "/opt/brevio/brevio.html";
}

std::vector<std::string> CoreHarness::StatusLines() const {
  return UnstampedLines(txtStatus.content);
}

std::vector<std::string> CoreHarness::LogFileLines() {
  return UnstampedLines(logFile.Log());
}

std::string CoreHarness::CriticalText() const {
  if (dialog.shown.empty() || dialog.shown.back().icon != MessageIcon::Critical) {
    return "(no critical message)";
  }
  const std::string& body = dialog.shown.back().body;
  const std::size_t start = body.find("\r\n\r\n") + 4;
  return body.substr(start, body.rfind("\r\n\r\n") - start);
}

std::vector<std::string> UnstampedLines(const std::string& content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find("\r\n", start);
    if (end == std::string::npos) end = content.size();
    const std::string line = content.substr(start, end - start);
    // A stamp is the date, a blank, the time and a blank.
    const std::size_t dateEnd = line.find(' ');
    const std::size_t timeEnd =
        dateEnd == std::string::npos ? dateEnd : line.find(' ', dateEnd + 1);
    lines.push_back(timeEnd == std::string::npos ? line : line.substr(timeEnd + 1));
    start = end + 2;
  }
  return lines;
}

}  // namespace brevio::test
