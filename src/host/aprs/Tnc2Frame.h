// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace brevio {

// One entry of a frame's digipeater path.
struct Digipeater {
  std::string call;
  // The frame has passed through this digipeater (AX.25 H bit, "*" in TNC2 text).
  bool repeated = false;

  bool operator==(const Digipeater&) const = default;
};

// One APRS frame as TNC2 monitor text writes it: SOURCE>DESTINATION,DIGI1,DIGI2:info.
struct Tnc2Frame {
  std::string source;
  std::string destination;
  std::vector<Digipeater> path;
  // The information field: bytes as they came, NUL and non-ASCII bytes included.
  std::string info;

  bool operator==(const Tnc2Frame&) const = default;
};

// Digipeaters repeat a frame in path order, so every digipeater before a repeated one has
// repeated it too; marks them so (TNC2 text only stars the last one, and some senders set the
// H bit only on the last one).
void MarkEarlierDigipeatersRepeated(std::vector<Digipeater>& path);

}  // namespace brevio
