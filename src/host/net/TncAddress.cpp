// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/net/TncAddress.h"

#include <algorithm>
#include <array>

namespace brevio {

namespace {

constexpr std::string_view kKissScheme = "kiss://";
constexpr std::string_view kAprsIsScheme = "aprsis://";
constexpr std::string_view kSerialScheme = "serial:";
// The speeds of the serial ports a TNC is found on.
constexpr std::array<std::uint32_t, 13> kSerialSpeeds = {
    300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsHostNameCharacter(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '.';
}

bool IsIpv6Character(char c) {
  return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == ':' || c == '.';
}

// The value of one to `most` digits.
std::optional<std::uint32_t> Number(std::string_view digits, std::size_t most) {
  if (digits.empty() || digits.size() > most) return std::nullopt;
  if (!std::all_of(digits.begin(), digits.end(), IsDigit)) return std::nullopt;
  std::uint32_t value = 0;
  for (const char c : digits) value = value * 10 + static_cast<std::uint32_t>(c - '0');
  return value;
}

std::optional<std::uint16_t> PortNumber(std::string_view digits) {
  const std::optional<std::uint32_t> value = Number(digits, 5);
  if (!value || *value < 1 || *value > 65535) return std::nullopt;
  return static_cast<std::uint16_t>(*value);
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

std::string SerialSpeedList() {
  std::string list;
  for (std::size_t i = 0; i < kSerialSpeeds.size(); ++i) {
    if (i > 0) list += i + 1 == kSerialSpeeds.size() ? " or " : ", ";
    list += std::to_string(kSerialSpeeds[i]);
  }
  return list;
}

// "PATH" or "PATH@BAUD"; the last "@" starts the speed.
ParsedTncAddress SerialAddress(std::string_view text) {
  const std::size_t at = text.rfind('@');
  const std::string_view path = text.substr(0, at);
  if (!path.starts_with('/')) {
    return {std::nullopt, "needs a serial device's full path, such as serial:/dev/ttyUSB0, not '" +
                              std::string(kSerialScheme) + std::string(text) + "'"};
  }
  std::uint32_t speed = kDefaultSerialSpeed;
  if (at != std::string_view::npos) {
    const std::string_view digits = text.substr(at + 1);
    const std::optional<std::uint32_t> value = Number(digits, 6);
    if (!value ||
        std::find(kSerialSpeeds.begin(), kSerialSpeeds.end(), *value) == kSerialSpeeds.end()) {
      return {std::nullopt, "takes a serial speed of " + SerialSpeedList() + " baud, not '" +
                                std::string(digits) + "'"};
    }
    speed = *value;
  }
  return {TncAddress::Serial(std::string(path), speed), {}};
}

}  // namespace

ParsedTncAddress ParseTncAddress(std::string_view text) {
  std::optional<TncAddress> address;
  if (text == "stdio") {
    address = TncAddress{};
  } else if (text.starts_with(kKissScheme)) {
    address = HostAndPort(TncAddress::Kind::Kiss, text.substr(kKissScheme.size()));
  } else if (text.starts_with(kAprsIsScheme)) {
    address = HostAndPort(TncAddress::Kind::AprsIs, text.substr(kAprsIsScheme.size()));
  } else if (text.starts_with(kSerialScheme)) {
    return SerialAddress(text.substr(kSerialScheme.size()));
  }
  if (address) return {address, {}};
  return {std::nullopt,
          "needs a link: " + std::string(kTncForms) + ", not '" + std::string(text) + "'"};
}

std::string FormatTncAddress(const TncAddress& address) {
  switch (address.kind) {
    case TncAddress::Kind::Stdio:
      return "stdio";
    case TncAddress::Kind::Serial:
      return std::string(kSerialScheme) + address.device + "@" + std::to_string(address.speed);
    case TncAddress::Kind::Kiss:
    case TncAddress::Kind::AprsIs:
      break;
  }
  const std::string host =
      address.host.find(':') == std::string::npos ? address.host : "[" + address.host + "]";
  return std::string(address.kind == TncAddress::Kind::Kiss ? kKissScheme : kAprsIsScheme) + host +
         ":" + std::to_string(address.port);
}

}  // namespace brevio
