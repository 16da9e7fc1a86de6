// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brevio {

// Which call signs a frame may carry.
enum class CallSignRule {
  // What fits an AX.25 address: 1 to 6 upper-case letters or digits, then optionally "-" and an
  // SSID 0 to 15 written without a leading zero.
  Ax25,
  // What APRS-IS passes along besides: q constructs ("qAR"), server names ("T2TEST"), longer or
  // lower-case SSIDs. 1 to 9 visible ASCII bytes other than the TNC2 separators > , : and *.
  AprsIs,
};

bool IsValidCallSign(std::string_view call, CallSignRule rule);

// An AX.25 call sign split into its base and its SSID.
struct Ax25CallSign {
  std::string base;
  int ssid = 0;
};

// Splits a call sign that is valid under CallSignRule::Ax25; nothing for any other text.
std::optional<Ax25CallSign> SplitAx25CallSign(std::string_view call);

// The station a call names, as calls are compared: upper-cased and without an SSID of 0, so that
// "n0call-0", "N0CALL-0" and "N0CALL" are one station.
std::string StationIdentity(std::string_view call);

// "BASE-SSID", or just "BASE" for SSID 0, as APRS writes it.
std::string JoinAx25CallSign(std::string_view base, int ssid);

}  // namespace brevio
