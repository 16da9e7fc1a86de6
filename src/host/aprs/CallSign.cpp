// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/CallSign.h"

#include <algorithm>

#include "base/AnsiText.h"

namespace brevio {

namespace {

constexpr std::size_t kMaxAx25Base = 6;
constexpr std::size_t kMaxAprsIsCall = 9;
constexpr int kMaxSsid = 15;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsAx25Character(char c) {
  return (c >= 'A' && c <= 'Z') || IsDigit(c);
}

bool IsAprsIsCharacter(char c) {
  return c > ' ' && c < '\x7f' && c != '>' && c != ',' && c != ':' && c != '*';
}

// The SSID that `digits` writes: one digit, or two without a leading zero, at most 15.
std::optional<int> SsidValue(std::string_view digits) {
  if (digits.empty() || digits.size() > 2) return std::nullopt;
  if (!std::all_of(digits.begin(), digits.end(), IsDigit)) return std::nullopt;
  if (digits.size() == 2 && digits[0] == '0') return std::nullopt;
  int value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  if (value > kMaxSsid) return std::nullopt;
  return value;
}

}  // namespace

std::optional<Ax25CallSign> SplitAx25CallSign(std::string_view call) {
  const std::size_t dash = call.find('-');
  const std::string_view base = call.substr(0, dash);
  if (base.empty() || base.size() > kMaxAx25Base) return std::nullopt;
  if (!std::all_of(base.begin(), base.end(), IsAx25Character)) return std::nullopt;
  if (dash == std::string_view::npos) return Ax25CallSign{std::string(base), 0};
  const std::optional<int> ssid = SsidValue(call.substr(dash + 1));
  if (!ssid) return std::nullopt;
  return Ax25CallSign{std::string(base), *ssid};
}

bool IsValidCallSign(std::string_view call, CallSignRule rule) {
  if (rule == CallSignRule::Ax25) return SplitAx25CallSign(call).has_value();
  return !call.empty() && call.size() <= kMaxAprsIsCall &&
         std::all_of(call.begin(), call.end(), IsAprsIsCharacter);
}

std::string JoinAx25CallSign(std::string_view base, int ssid) {
  std::string call(base);
  if (ssid != 0) call += "-" + std::to_string(ssid);
  return call;
}

std::string StationIdentity(std::string_view call) {
  std::string identity = UpperCase(call);
  if (identity.ends_with("-0")) identity.resize(identity.size() - 2);
  return identity;
}

}  // namespace brevio
