#include "host/net/TncAddress.h"

#include <algorithm>

namespace brevio {

namespace {

constexpr std::string_view kKissScheme = "kiss://";
constexpr std::string_view kAprsIsScheme = "aprsis://";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsHostNameCharacter(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '.';
}

bool IsIpv6Character(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == ':' || c == '.';
}

std::optional<std::uint16_t> PortNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 5) return std::nullopt;
  if (!std::all_of(digits.begin(), digits.end(), IsDigit)) return std::nullopt;
  long value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  if (value < 1 || value > 65535) return std::nullopt;
  return static_cast<std::uint16_t>(value);
}

// "HOST:PORT" or "[IPV6]:PORT".
std::optional<TncAddress> HostAndPort(TncAddress::Kind kind, std::string_view text) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string_view::npos) return std::nullopt;
  std::string_view host = text.substr(0, colon);
  const std::optional<std::uint16_t> port = PortNumber(text.substr(colon + 1));
  if (!port) return std::nullopt;
  if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
    host = host.substr(1, host.size() - 2);
    if (host.empty() || !std::all_of(host.begin(), host.end(), IsIpv6Character)) {
      return std::nullopt;
    }
  } else if (host.empty() || !std::all_of(host.begin(), host.end(), IsHostNameCharacter)) {
    return std::nullopt;
  }
  return TncAddress{kind, std::string(host), *port};
}

}  // namespace

std::optional<TncAddress> ParseTncAddress(std::string_view text) {
  if (text == "stdio") return TncAddress{};
  if (text.starts_with(kKissScheme)) {
    return HostAndPort(TncAddress::Kind::Kiss, text.substr(kKissScheme.size()));
  }
  if (text.starts_with(kAprsIsScheme)) {
    return HostAndPort(TncAddress::Kind::AprsIs, text.substr(kAprsIsScheme.size()));
  }
  return std::nullopt;
}

std::string FormatTncAddress(const TncAddress& address) {
  if (address.kind == TncAddress::Kind::Stdio) return "stdio";
  const std::string host =
      address.host.find(':') == std::string::npos ? address.host : "[" + address.host + "]";
  return std::string(address.kind == TncAddress::Kind::Kiss ? kKissScheme : kAprsIsScheme) + host +
         ":" + std::to_string(address.port);
}

}  // namespace brevio
