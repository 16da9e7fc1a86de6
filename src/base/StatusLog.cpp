// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/StatusLog.h"

#include <cerrno>

#include "base/VisibleText.h"

namespace brevio {

namespace {
// The box is cut back only once it holds more than this, so trimming stays rare.
constexpr std::size_t kTrimAbove = 15000;
constexpr std::size_t kKeepOnTrim = 10000;

// The log has no place at all: nothing will change by itself, as when it fails at start-up.
bool FolderMissingOrForbidden(int number) {
  return number == ENOENT || number == ENOTDIR || number == EACCES || number == EPERM ||
         number == EISDIR;
}
}  // namespace

// Text from the air and from files is shown, never obeyed, by a terminal or a log reader.
std::string StatusLog::Stamped(std::string_view text) {
  std::string line = clock_.ShortDate();
  line += ' ';
  line += clock_.LongTime();
  line += ' ';
  line += VisibleText(text);
  line += "\r\n";
  return line;
}

void StatusLog::AppendToBox(TextBox& box, std::string_view text) {
  if (box.Length() > kTrimAbove) box.KeepLast(kKeepOnTrim);
  box.Append(Stamped(text));
}

void StatusLog::LogStatus(TextBox& box, std::string_view text) {
  AppendToBox(box, text);
  if (box.Name() == "txtStatus") WriteLogLine(text);
}

void StatusLog::WriteLogLine(std::string_view text) {
  const std::string path = GetTempFolder() + "BRV.log";
  if (linesLost_ > 0) {
    const std::string note = "BRV log file '" + path + "' written again; " +
                             std::to_string(linesLost_) + " lines before this one were lost";
    if (auto failure = logFile_.Append(path, Stamped(note))) {
      LineLost(path, *failure);
      return;
    }
    AppendToBox(txtStatus_, note);
    linesLost_ = 0;
  }
  if (auto failure = logFile_.Append(path, Stamped(text))) {
    LineLost(path, *failure);
    return;
  }
  written_ = true;
}

void StatusLog::LineLost(const std::string& path, const LogFileFailure& failure) {
  const std::string error =
      "Error " + std::to_string(failure.error.number) + " " + failure.error.description + " ";
  if (!failure.opened && (!written_ || FolderMissingOrForbidden(failure.error.number))) {
    messages_.ShowCritical("Can not open BRV log file '" + path + "'.\r\n" + error);
  }
  // A station that serves the air goes on when only its log disk is full.
  if (linesLost_++ == 0) {
    AppendToBox(txtStatus_, "Can not write BRV log file '" + path + "'. " + error +
                                "; the station goes on and tries it again with each line");
  }
}

std::string StatusLog::GetTempFolder() {
  return logFile_.TempFolder().value_or(std::string());
}

}  // namespace brevio
