// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "host/aprs/Tnc2Frame.h"

namespace brevio {

// Where a transport puts the frames it hears.
class FrameSink {
 public:
  virtual ~FrameSink() = default;

  // `port` is the host port the frame came in on, or nothing for a link that has no port
  // numbers (the station's default port then stands for it).
  virtual void FrameReceived(const Tnc2Frame& frame, std::optional<std::int16_t> port) = 0;
  // A frame sent has left the link now: it had waited for a link that was down, or went at once.
  virtual void FrameLeft(const Tnc2Frame& frame) = 0;
  // Bytes heard were no frame (a TNC at the wrong speed, a line that is no TNC2 frame).
  virtual void FrameDropped() = 0;

  // Whether the frames that follow come from a link that is behind, with more waiting than it
  // hands over in one turn: the sink may then shed what matters least.
  virtual void LinkBehind(bool behind) { (void)behind; }
};

}  // namespace brevio
