#pragma once

#include "base/HostVersionSource.h"

namespace brevio {

// Reads the fixed version numbers from the version resource of a Windows executable (a PE
// file, 32 or 64 bit) on any platform. Every offset the file gives is checked against the file's
// length before it is read, so a truncated or hostile file yields no version, never a read
// outside it.
class PeVersionReader : public HostVersionSource {
 public:
  std::optional<FixedFileVersion> HostFileVersion(const std::string& exePath) override;
};

}  // namespace brevio
