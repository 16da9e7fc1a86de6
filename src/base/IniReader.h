// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace brevio {

// Reads settings files in INI format: a line with a section name in square brackets, then lines
// of key, equals sign and value.
class IniReader {
 public:
  virtual ~IniReader() = default;

  // The value of `key` in `section` of the file at `path`, both names found without regard to
  // case; `defaultValue` when the file, the section or the key is missing. At most 499
  // characters come back.
  virtual std::string ReadIniValue(const std::string& path, const std::string& section,
                                   const std::string& key, const std::string& defaultValue) = 0;
};

}  // namespace brevio
