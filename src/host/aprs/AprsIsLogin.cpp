// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/AprsIsLogin.h"

#include <cstdint>
#include <vector>

#include "base/AnsiText.h"

namespace brevio {

namespace {

// The words of `text` separated by spaces, commas left on the words they end.
std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  while (!text.empty()) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) break;
    text.remove_prefix(start);
    const std::size_t end = std::min(text.find(' '), text.size());
    words.push_back(text.substr(0, end));
    text.remove_prefix(end);
  }
  return words;
}

}  // namespace

int AprsIsPasscode(std::string_view call) {
  const std::string base = UpperCase(call.substr(0, call.find('-')));
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
  const std::vector<std::string_view> words = Words(line.substr(1));
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
