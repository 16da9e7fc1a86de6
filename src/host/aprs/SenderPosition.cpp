#include "host/aprs/SenderPosition.h"

#include "host/aprs/MicEPosition.h"
#include "host/aprs/PositionReport.h"

namespace brevio {

std::optional<AprsPosition> ParseSenderPosition(std::string_view destination,
                                                std::string_view info) {
  if (const std::optional<PositionReport> report = ParsePositionReport(info)) {
    return report->position;
  }
  return ParseMicEPosition(destination, info);
}

}  // namespace brevio
