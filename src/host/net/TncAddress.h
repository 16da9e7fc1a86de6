// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brevio {

// The station host's link, as --tnc names it: "stdio", "kiss://HOST:PORT" (a TNC that offers
// KISS over TCP, as Direwolf does), "aprsis://HOST:PORT" (an APRS-IS server) or
// "serial:PATH[@BAUD]" (a TNC that offers KISS on a serial port).
struct TncAddress {
  enum class Kind { Stdio, Kiss, AprsIs, Serial };

  TncAddress() = default;
  // A TCP address: kiss:// or aprsis://.
  TncAddress(Kind kind_, std::string host_, std::uint16_t port_)
      : kind(kind_), host(std::move(host_)), port(port_) {}
  static TncAddress Serial(std::string device, std::uint32_t speed) {
    TncAddress address;
    address.kind = Kind::Serial;
    address.device = std::move(device);
    address.speed = speed;
    return address;
  }

  Kind kind = Kind::Stdio;
  // A host name or an IPv4 address, or an IPv6 address without its brackets; empty unless TCP.
  std::string host;
  std::uint16_t port = 0;
  // The serial device's full path and its speed in baud; empty and 0 unless serial.
  std::string device;
  std::uint32_t speed = 0;

  bool operator==(const TncAddress&) const = default;
};

// Where the station host looks for a TNC when --tnc names none: Direwolf's KISS port on this
// machine.
inline const TncAddress kDefaultTnc{TncAddress::Kind::Kiss, "127.0.0.1", 8001};

// The speed of a serial link whose address names none.
inline constexpr std::uint32_t kDefaultSerialSpeed = 9600;

// The shapes of the text.
inline constexpr std::string_view kTncForms =
    "stdio, kiss://HOST:PORT, aprsis://HOST:PORT or serial:PATH[@BAUD]";

// What ParseTncAddress makes of a text: an address, or what is wrong with the text, worded to
// follow the option's name ("needs a link: ...").
struct ParsedTncAddress {
  std::optional<TncAddress> address;
  std::string problem;
};

// No address for a text of another shape, an empty host, a port outside 1 to 65535, a serial
// path that is not a full path or a speed that is not a serial port's.
ParsedTncAddress ParseTncAddress(std::string_view text);

// The text ParseTncAddress reads back; a serial address with its speed.
std::string FormatTncAddress(const TncAddress& address);

}  // namespace brevio
