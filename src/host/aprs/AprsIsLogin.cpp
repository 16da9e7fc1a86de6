// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/AprsIsLogin.h"

#include <cstdint>
#include <vector>

#include "base/AnsiText.h"
#include "base/BaseCall.h"
#include "base/SplitList.h"

namespace brevio {

int AprsIsPasscode(std::string_view call) {
  const std::string base = UpperCase(BaseCall(call));
  std::uint16_t hash = 0x73E2;
  for (std::size_t i = 0; i < base.size(); ++i) {
    const auto byte = static_cast<std::uint8_t>(base[i]);
    // Even bytes go into the high half, odd ones into the low half.
    hash ^= static_cast<std::uint16_t>(i % 2 == 0 ? byte << 8 : byte);
  }
  return hash & 0x7FFF;
}

std::string AprsIsMessageFilter(std::string_view call) {
  return "g/" + std::string(call) + "/QDOS/QUERY";
}

std::string FormatAprsIsLogin(std::string_view call, std::string_view version,
                              std::string_view filter) {
  return "user " + std::string(call) + " pass " + std::to_string(AprsIsPasscode(call)) +
         " vers brevio " + std::string(version) + " filter " + std::string(filter) + "\r\n";
}

std::optional<AprsIsLogResponse> ParseAprsIsLogResponse(std::string_view line) {
  if (line.empty() || line.front() != '#') return std::nullopt;
  // Words separated by spaces, commas left on the words they end.
  const std::vector<std::string> words = SplitList(line.substr(1), ' ');
  if (words.size() < 3 || words[0] != "logresp") return std::nullopt;
  AprsIsLogResponse response;
  response.call = std::string(words[1]);
  std::string_view status = words[2];
  if (status.ends_with(',')) status.remove_suffix(1);
  if (status != "verified" && status != "unverified" && status != "rejected") return std::nullopt;
  response.verified = status == "verified";
  response.rejected = status == "rejected";
  if (words.size() >= 5 && words[3] == "server") response.server = std::string(words[4]);
  return response;
}

}  // namespace brevio
