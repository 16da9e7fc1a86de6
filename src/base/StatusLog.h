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

  // Appends one time-stamped line to the log file; a file that cannot be written is critical.
  void WriteLogLine(std::string_view text);

  // The user's temporary folder, or empty text (the log then lies in the current folder).
  std::string GetTempFolder();

  TextBox& txtStatus() { return txtStatus_; }
  TextBox& txtAPRS() { return txtAPRS_; }

 private:
  std::string Stamped(std::string_view text);

  TextBox& txtStatus_;
  TextBox& txtAPRS_;
  Clock& clock_;
  LogFile& logFile_;
  Messages& messages_;
};

}  // namespace brevio
