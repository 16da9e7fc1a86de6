// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace brevio {

// `call` without its SSID: "N0CALL" for "N0CALL-10".
inline std::string BaseCall(std::string_view call) {
  return std::string(call.substr(0, call.find('-')));
}

}  // namespace brevio
