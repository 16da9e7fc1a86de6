// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace brevio {

// The fixed version numbers a.b.c.d of an executable's version resource.
struct FixedFileVersion {
  std::uint16_t a = 0;  // high half of the most significant part
  std::uint16_t b = 0;  // low half of the most significant part
  std::uint16_t c = 0;  // high half of the least significant part
  std::uint16_t d = 0;  // low half of the least significant part
};

// Where the host's version comes from: the version resource of an installed host's executable,
// or a host that has no executable and reports the version of the host interface it honours.
class HostVersionSource {
 public:
  virtual ~HostVersionSource() = default;

  // The version of the host whose executable would be `exePath`; nothing when that file does
  // not exist or holds no readable version resource.
  virtual std::optional<FixedFileVersion> HostFileVersion(const std::string& exePath) = 0;
};

}  // namespace brevio
