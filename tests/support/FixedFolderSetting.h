#pragma once

#include <string>

#include "base/HostFolder.h"

namespace brevio::test {

// The host's "Program Folder" setting as the test sets it, failure included.
class FixedFolderSetting : public HostFolderSetting {
 public:
  explicit FixedFolderSetting(std::string folder = "") { read.value = std::move(folder); }

  Read read;
  Read ReadProgramFolder() override { return read; }
};

}  // namespace brevio::test
