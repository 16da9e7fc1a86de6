#pragma once

#include "app/LogFile.h"

namespace brevio {

// The log file on disk in Qt's temporary folder.
class DiskLogFile : public LogFile {
 public:
  std::optional<std::string> TempFolder() override;
  std::optional<SystemError> Append(const std::string& path, std::string_view bytes) override;
};

}  // namespace brevio
