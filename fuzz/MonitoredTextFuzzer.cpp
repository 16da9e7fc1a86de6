// SPDX-License-Identifier: GPL-3.0-or-later
// Monitored traffic as the host hands it over: any bytes.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzInput.h"
#include "query/MonitoredText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brevio;
  const std::string_view text = fuzz::AsText(data, size);
  const MonitoredText parsed = ParseMonitoredText(text);
  IsQueryDestination(parsed.addressee);

  // Every field is a piece of the text.
  fuzz::Require(parsed.headerLine.size() + parsed.infoLine.size() <= text.size(),
                "the header and information lines fit in the text");
  fuzz::Require(parsed.isMessage || (parsed.addressee.empty() && parsed.messageText.empty() &&
                                     !parsed.messageNumber),
                "only a message has message fields");
  if (parsed.messageNumber) {
    fuzz::Require(parsed.messageNumber->size() <= 5, "a message number is at most 5 characters");
  }
  return 0;
}
