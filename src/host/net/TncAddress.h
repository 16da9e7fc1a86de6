#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brevio {

// The station host's link, as --tnc names it: "stdio", "kiss://HOST:PORT" (a TNC that offers
// KISS over TCP, as Direwolf does) or "aprsis://HOST:PORT" (an APRS-IS server).
struct TncAddress {
  enum class Kind { Stdio, Kiss, AprsIs };

  Kind kind = Kind::Stdio;
  // A host name or an IPv4 address, or an IPv6 address without its brackets; empty for stdio.
  std::string host;
  std::uint16_t port = 0;

  bool operator==(const TncAddress&) const = default;
};

// Where the station host looks for a TNC when --tnc names none: Direwolf's KISS port on this
// machine.
inline const TncAddress kDefaultTnc{TncAddress::Kind::Kiss, "127.0.0.1", 8001};

// Nothing for a text of another shape, an empty host or a port outside 1 to 65535.
std::optional<TncAddress> ParseTncAddress(std::string_view text);

// The text ParseTncAddress reads back.
std::string FormatTncAddress(const TncAddress& address);

}  // namespace brevio
