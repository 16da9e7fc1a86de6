// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace brevio {

// Hears what the station does, for a summary of its traffic.
class StationObserver {
 public:
  virtual ~StationObserver() = default;
  // A frame came in on the link.
  virtual void FrameHeard() = 0;
  // The server's message went out.
  virtual void ReplySent() = 0;
  // Bytes heard were no frame.
  virtual void FrameDropped() = 0;
  // A frame heard was shed, the link being behind.
  virtual void FrameShed() {}
};

}  // namespace brevio
