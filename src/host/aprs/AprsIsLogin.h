// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brevio {

// The passcode APRS-IS servers expect with a login: a 15-bit hash of the call sign without its
// SSID, upper-cased. It keeps only unlicensed software out, not people.
int AprsIsPasscode(std::string_view call);

// The server-side filter a station needs: messages to its own call and to the QDOS and QUERY
// addressees that the server answers while monitoring.
std::string AprsIsMessageFilter(std::string_view call);

// "user CALL pass NNNNN vers brevio VERSION filter FILTER" with CR LF.
std::string FormatAprsIsLogin(std::string_view call, std::string_view version,
                              std::string_view filter);

// What a server answered to the login, from its comment "# logresp CALL verified, server NAME"
// (or "unverified", or "rejected").
struct AprsIsLogResponse {
  std::string call;
  // Only a verified login may send frames; an unverified one is receive-only.
  bool verified = false;
  // Empty when the server does not name itself.
  std::string server;
  // The server takes no login of this call: nothing may be sent or heard.
  bool rejected = false;

  bool operator==(const AprsIsLogResponse&) const = default;
};

// Reads a server comment line (with its "#", without the line end); nothing when it is no
// login response.
std::optional<AprsIsLogResponse> ParseAprsIsLogResponse(std::string_view line);

}  // namespace brevio
