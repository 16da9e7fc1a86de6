// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace brevio {

// The port a DEFAULT_PORT text names: its leading decimal number (0 when there is none),
// rounded to the nearest integer with halves to even; nothing when that does not fit 16 bits.
std::optional<std::int16_t> DefaultPortFromText(std::string_view text);

}  // namespace brevio
