// SPDX-License-Identifier: GPL-3.0-or-later
// Standard queries as heard, and the station's own reports of text taken from them.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzInput.h"
#include "host/aprs/AprsMessage.h"
#include "host/aprs/StationReports.h"
#include "host/station/StandardQueries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brevio;
  const std::string_view text = fuzz::AsText(data, size);
  if (const std::optional<GeneralQuery> query = ParseGeneralQuery(text); query && query->area) {
    fuzz::Require(std::abs(query->area->latitude) <= 90 &&
                      std::abs(query->area->longitude) <= 180 && query->area->radiusMiles >= 0,
                  "a query's area lies on the globe");
  }
  DirectedQuery(text);
  const std::string status = FormatStatusReport(text);
  fuzz::Require(status.size() <= 1 + kStatusTextSize, "a status report is cut to its size");
  // The trace answer carries a path heard from outside: it must read back as one message.
  if (const std::optional<std::string> info = FormatUnnumberedMessage("N0CALL", text)) {
    const std::optional<AprsMessage> message = ParseAprsMessage(*info);
    fuzz::Require(message && message->addressee == "N0CALL" && message->number.empty(),
                  "an unnumbered message reads back as one, without a number");
  }
  return 0;
}
