// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/aprs/Tnc2Frame.h"

namespace brevio {

// What DecodeAx25UiFrame found: the frame, or why there is none.
struct Ax25Decoded {
  std::optional<Tnc2Frame> frame;
  // Empty when there is a frame.
  std::string fault;
};

// Reads an AX.25 UI frame without its FCS, as KISS carries it: destination, source and up to 8
// digipeater addresses (6 characters shifted left by one, then the SSID byte with the C/H bit,
// the reserved bits, the SSID and the last-address bit), control 0x03, PID 0xF0, information.
// A digipeater's H bit makes it repeated (and every earlier one). The reserved bits and the
// command/response bits are not checked, as TNCs set them differently.
Ax25Decoded DecodeAx25UiFrame(std::string_view bytes);

// The AX.25 UI frame of `frame`: the destination's C bit set and the source's clear (a command,
// as APRS sends), the reserved bits set, the H bit on repeated digipeaters. Nothing when a call
// does not fit AX.25 (CallSignRule::Ax25) or the path holds more than 8 digipeaters.
std::optional<std::string> EncodeAx25UiFrame(const Tnc2Frame& frame);

}  // namespace brevio
