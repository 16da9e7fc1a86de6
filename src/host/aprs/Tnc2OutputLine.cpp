// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/Tnc2OutputLine.h"

#include "host/aprs/Tnc2Line.h"

namespace brevio {

std::optional<std::string> Tnc2OutputLine(const Tnc2Frame& frame) {
  std::string line = FormatTnc2Line(frame);
  if (line.find_first_of("\r\n") != std::string::npos) return std::nullopt;
  return line + "\n";
}

}  // namespace brevio
