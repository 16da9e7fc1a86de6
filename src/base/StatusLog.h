// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "base/Clock.h"
#include "base/LogFile.h"
#include "base/Messages.h"
#include "base/TextBox.h"

namespace brevio {

// Time-stamped status lines in the main window's boxes, and the log file BRV.log.
class StatusLog {
 public:
  StatusLog(TextBox& txtStatus, TextBox& txtAPRS, Clock& clock, LogFile& logFile,
            Messages& messages)
      : txtStatus_(txtStatus),
        txtAPRS_(txtAPRS),
        clock_(clock),
        logFile_(logFile),
        messages_(messages) {}

  // Appends one time-stamped line to `box`; lines of txtStatus also go to the log file.
  void LogStatus(TextBox& box, std::string_view text);

  // LogStatus on the status box, which is where nearly every line goes.
  void LogStatus(std::string_view text) { LogStatus(txtStatus_, text); }

  // Appends one time-stamped line to the log file. A file that cannot be opened before any line
  // reached it, or whose folder is missing or forbidden, is critical. Any other failure (a full
  // disk) is said once in the status box; every later line tries the file again, and the first
  // to reach it is preceded by a note of how many were lost.
  void WriteLogLine(std::string_view text);

  // The user's temporary folder, or empty text (the log then lies in the current folder).
  std::string GetTempFolder();

  TextBox& txtStatus() { return txtStatus_; }
  TextBox& txtAPRS() { return txtAPRS_; }

 private:
  std::string Stamped(std::string_view text);
  // Appends a stamped line to `box` alone.
  void AppendToBox(TextBox& box, std::string_view text);
  void LineLost(const std::string& path, const LogFileFailure& failure);

  TextBox& txtStatus_;
  TextBox& txtAPRS_;
  Clock& clock_;
  LogFile& logFile_;
  Messages& messages_;
  // Some line of this run has reached the file: its place is known to work.
  bool written_ = false;
  std::size_t linesLost_ = 0;
};

}  // namespace brevio
