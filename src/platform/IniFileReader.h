// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/IniReader.h"

namespace brevio {

// INI files read the way Windows reads them: blanks around names and values and a CR LF or LF
// line end do not count, section and key names are compared without regard to case, a line
// beginning with ";" is a comment, only the first section of a name is searched, a key without
// "=" has no value, and quotes around a whole value are dropped.
class IniFileReader : public IniReader {
 public:
  std::string ReadIniValue(const std::string& path, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override;
};

}  // namespace brevio
