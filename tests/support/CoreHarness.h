#pragma once

#include <string>
#include <vector>

#include "base/Messages.h"
#include "base/StatusLog.h"
#include "support/ManualClock.h"
#include "support/MemoryLogFile.h"
#include "support/MemoryTextBox.h"
#include "support/RecordingMessageDialog.h"
#include "support/ThrowingProgramEnd.h"

namespace brevio::test {

// The status log and message boxes over in-memory fakes, as every core test needs them.
struct CoreHarness {
  CoreHarness();

  ManualClock clock;
  MemoryTextBox txtStatus{"txtStatus"};
  MemoryTextBox txtAPRS{"txtAPRS"};
  RecordingMessageDialog dialog;
  ThrowingProgramEnd end;
  MemoryLogFile logFile;
  ProgramInfo info;
  Messages messages{dialog, end, info};
  StatusLog log{txtStatus, txtAPRS, clock, logFile, messages};

  // The texts of the status box's lines, time stamps removed, in order.
  std::vector<std::string> StatusLines() const;
  // The same for the log file.
  std::vector<std::string> LogFileLines();
  // The text of the last message shown if it is critical, without the frame around it.
  std::string CriticalText() const;
};

// The texts of time-stamped CR LF lines, with the date and time before them removed.
std::vector<std::string> UnstampedLines(const std::string& content);

}  // namespace brevio::test
