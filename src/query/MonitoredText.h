// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brevio {

// What the server reads from one monitored traffic text (the host's header line, CR LF, the
// information line, CR LF).
struct MonitoredText {
  std::string headerLine;  // the text before the first CR LF
  std::string infoLine;    // after it, up to and including the CR of the next CR LF

  // Set when the information line is an APRS message (":" addressee ":" field, a "{" in the
  // field); the rest below is filled only then.
  bool isMessage = false;
  std::string addressee;
  std::string messageText;
  std::optional<std::string> messageNumber;  // none when no "{" among the last five characters

  std::optional<std::string> sender;  // none when the header line holds no ">"
  std::string viaPath;
};

// Reads a monitored traffic text. Any bytes are accepted; nothing outside the text is read.
MonitoredText ParseMonitoredText(std::string_view text);

// True when the first five characters of the addressee, upper-cased, are "QDOS " or "QUERY".
bool IsQueryDestination(std::string_view addressee);

}  // namespace brevio
