// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/LogFile.h"

namespace brevio {

// The log file on disk in Qt's temporary folder.
class DiskLogFile : public LogFile {
 public:
  std::optional<std::string> TempFolder() override;
  std::optional<LogFileFailure> Append(const std::string& path, std::string_view bytes) override;

 private:
  // The folder does not change while the program runs, and finding it costs more than a line.
  bool tempFolderKnown_ = false;
  std::optional<std::string> tempFolder_;
};

}  // namespace brevio
