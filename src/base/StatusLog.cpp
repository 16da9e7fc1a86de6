#include "base/StatusLog.h"

namespace brevio {

namespace {
// The box is cut back only once it holds more than this, so trimming stays rare.
constexpr std::size_t kTrimAbove = 15000;
constexpr std::size_t kKeepOnTrim = 10000;
}  // namespace

std::string StatusLog::Stamped(std::string_view text) {
  std::string line = clock_.ShortDate();
  line += ' ';
  line += clock_.LongTime();
  line += ' ';
  line += text;
  line += "\r\n";
  return line;
}

void StatusLog::LogStatus(TextBox& box, std::string_view text) {
  if (box.Length() > kTrimAbove) box.KeepLast(kKeepOnTrim);
  box.Append(Stamped(text));
  if (box.Name() == "txtStatus") WriteLogLine(text);
}

void StatusLog::WriteLogLine(std::string_view text) {
  const std::string path = GetTempFolder() + "BRV.log";
  if (auto error = logFile_.Append(path, Stamped(text))) {
    messages_.ShowCritical("Can not open BRV log file '" + path + "'.\r\nError " +
                           std::to_string(error->number) + " " + error->description + " ");
  }
}

std::string StatusLog::GetTempFolder() {
  return logFile_.TempFolder().value_or(std::string());
}

}  // namespace brevio
