// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/station/FloodShedding.h"

#include "base/AnsiText.h"
#include "host/aprs/AprsMessage.h"
#include "host/aprs/CallSign.h"
#include "host/aprs/ThirdPartyFrame.h"

namespace brevio {

namespace {

// The first five characters of the addressee, as the server reads them.
bool ToQdosOrQuery(std::string_view info) {
  if (info.size() < 6) return false;
  const std::string head = UpperCase(info.substr(1, 5));
  return head == "QDOS " || head == "QUERY";
}

}  // namespace

bool MattersUnderLoad(const Tnc2Frame& frame, std::string_view stationIdentity) {
  if (IsThirdParty(frame)) {
    const std::optional<Tnc2Frame> inner = UnwrapThirdParty(frame);
    return inner && MattersUnderLoad(*inner, stationIdentity);
  }
  if (frame.info.empty() || frame.info.front() != ':') return false;
  if (ToQdosOrQuery(frame.info)) return true;
  const std::optional<AprsMessage> message = ParseAprsMessage(frame.info);
  return message && StationIdentity(message->addressee) == stationIdentity;
}

bool FloodShedding::Shed(const Tnc2Frame& frame, std::string_view stationIdentity,
                         const std::function<void(const std::string&)>& log) {
  if (!behind_ || MattersUnderLoad(frame, stationIdentity)) return false;
  if (count_++ == 0) {
    log("Frames come faster than the station takes them: position reports and traffic between "
        "other stations are shed while the link is behind");
  }
  return true;
}

}  // namespace brevio
