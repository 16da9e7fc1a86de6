#pragma once

#include <map>
#include <string>

#include "base/LogFile.h"

namespace brevio::test {

// Log files kept in memory, by path. A test can take the temporary folder away or make the
// next appends fail.
class MemoryLogFile : public LogFile {
 public:
  std::optional<std::string> tempFolder = "/tmp/brevio-test/";
  std::optional<SystemError> failWith;
  std::map<std::string, std::string> files;

  std::optional<std::string> TempFolder() override { return tempFolder; }
  std::optional<SystemError> Append(const std::string& path, std::string_view bytes) override {
    if (failWith) return failWith;
    files[path] += bytes;
    return std::nullopt;
  }

  // The content of BRV.log in the temporary folder.
  const std::string& Log() { return files[tempFolder.value_or("") + "BRV.log"]; }
};

}  // namespace brevio::test
