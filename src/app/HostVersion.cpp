// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HostVersion.h"

namespace brevio {

std::string GetHostExeVersion(HostVersionSource& source, const std::string& exePath) {
  const std::optional<FixedFileVersion> version = source.HostFileVersion(exePath);
  if (!version) return std::string(kNoHostExeVersion);
  return std::to_string(version->a) + "." + std::to_string(version->b) + std::to_string(version->d);
}

bool IsSupportedHostVersion(std::string_view text) {
  return text >= kMinimumHostVersion && text <= kMaximumHostVersion;
}

}  // namespace brevio
