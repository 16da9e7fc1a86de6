// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/station/ReceivedDataText.h"

#include "host/aprs/Tnc2Line.h"

namespace brevio {

std::string FormatReceivedData(const Tnc2Frame& frame) {
  Tnc2Frame header = frame;
  header.info.clear();
  std::string text = FormatTnc2Line(header);
  text.pop_back();  // the ":" before the (empty) information field
  return text + " <UI>\r\n" + frame.info + "\r\n";
}

}  // namespace brevio
