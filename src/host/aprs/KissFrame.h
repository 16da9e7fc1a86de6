// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace brevio {

// KISS special bytes.
inline constexpr char kKissFend = '\xC0';
inline constexpr char kKissFesc = '\xDB';
inline constexpr char kKissTfend = '\xDC';
inline constexpr char kKissTfesc = '\xDD';

inline constexpr int kMaxKissPort = 15;

// One KISS data frame: its port and its payload (an AX.25 frame without FCS).
struct KissFrame {
  int port = 0;
  std::string payload;

  bool operator==(const KissFrame&) const = default;
};

// FEND, the type byte (port in the high nibble, command 0 = data in the low one), the payload
// with FEND and FESC escaped, FEND. Nothing for a port outside 0 to 15.
std::optional<std::string> EncodeKissFrame(int port, std::string_view payload);

}  // namespace brevio
