// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/station/StationEnvelope.h"

#include "base/AnsiText.h"
#include "base/SplitList.h"
#include "host/HostLink.h"
#include "host/aprs/CallSign.h"
#include "host/aprs/Tnc2Line.h"

namespace brevio {

namespace {

// Today's digipeaters no longer repeat the old bare aliases; WIDE1-1 is what they answer.
std::string OnAirAlias(const std::string& call) {
  const std::string upper = UpperCase(call);
  return upper == "WIDE" || upper == "RELAY" ? "WIDE1-1" : call;
}

}  // namespace

Tnc2Frame StationEnvelope(const std::string& call, const std::string& toCall,
                          const std::string& path) {
  Tnc2Frame frame;
  frame.source = call;
  frame.destination = toCall;
  if (!IsValidCallSign(frame.source, CallSignRule::AprsIs)) {
    throw HostCallFailed("the station call sign '" + frame.source + "' cannot be sent");
  }
  for (const std::string& item : SplitList(path, ',')) {
    const std::string digipeater = OnAirAlias(item);
    if (!IsValidCallSign(digipeater, CallSignRule::Ax25)) {
      throw HostCallFailed("'" + digipeater + "' in the path '" + path + "' is no digipeater call");
    }
    frame.path.push_back({digipeater, false});
  }
  if (frame.path.size() > kMaxAx25Digipeaters) {
    throw HostCallFailed("the path '" + path + "' holds more than 8 digipeaters");
  }
  return frame;
}

}  // namespace brevio
