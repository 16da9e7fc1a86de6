// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brevio {

// An operating-system error: its number and the platform's description of it.
struct SystemError {
  int number = 0;
  std::string description;
};

// Why a line did not reach the log file.
struct LogFileFailure {
  SystemError error;
  // The file opened, but the line could not be written to it (a full disk, say).
  bool opened = false;
};

// Where and how the log file is written.
class LogFile {
 public:
  virtual ~LogFile() = default;

  // The user's temporary folder, normally ending in a path separator; nothing when the platform
  // cannot tell.
  virtual std::optional<std::string> TempFolder() = 0;

  // Opens `path` for appending (creating it when missing), writes `bytes` and closes it again, so
  // that no handle stays open between lines.
  virtual std::optional<LogFileFailure> Append(const std::string& path, std::string_view bytes) = 0;
};

}  // namespace brevio
