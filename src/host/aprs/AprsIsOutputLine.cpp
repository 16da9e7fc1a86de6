// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/AprsIsOutputLine.h"

#include "host/aprs/AprsIsLineReader.h"
#include "host/aprs/Tnc2Line.h"

namespace brevio {

std::optional<std::string> AprsIsOutputLine(const Tnc2Frame& frame) {
  Tnc2Frame sent = frame;
  sent.path = {{"TCPIP", true}};
  std::string line = FormatTnc2Line(sent);
  if (line.find_first_of("\r\n") != std::string::npos) return std::nullopt;
  if (line.size() > AprsIsLineReader::kMaxLine) return std::nullopt;
  return line + "\r\n";
}

}  // namespace brevio
