// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "host/aprs/KissFrame.h"

namespace brevio {

// Cuts a KISS byte stream, fed in chunks of any size, into data frames. A frame's payload never
// grows past the bound given: a longer frame is dropped whole, as is one with a bad escape (FESC
// followed by anything but TFEND or TFESC). Frames of other commands are skipped. Bytes before
// the first FEND belong to a frame whose start was missed and are skipped too.
class KissDeframer {
 public:
  // Room for the largest AX.25 UI frame (10 addresses, control, PID, 256 bytes of information)
  // with a good margin for TNCs that pass longer information fields.
  static constexpr std::size_t kDefaultMaxPayload = 1024;

  explicit KissDeframer(std::size_t maxPayload = kDefaultMaxPayload);

  // The data frames completed by `bytes`, in order.
  std::vector<KissFrame> Feed(std::string_view bytes);

  std::size_t OverlongDropped() const { return overlongDropped_; }
  std::size_t MalformedDropped() const { return malformedDropped_; }
  std::size_t Dropped() const { return MalformedDropped() + OverlongDropped(); }
  std::size_t OtherCommandsSkipped() const { return otherCommandsSkipped_; }

 private:
  enum class State { Hunting, InFrame, Escaped, Discarding };

  void Append(char c);
  void EndFrame(std::vector<KissFrame>& frames);
  void Discard(std::size_t& counter);

  std::size_t maxPayload_;
  State state_ = State::Hunting;
  // The type byte and the unescaped payload of the frame under way.
  std::string frame_;
  std::size_t overlongDropped_ = 0;
  std::size_t malformedDropped_ = 0;
  std::size_t otherCommandsSkipped_ = 0;
};

}  // namespace brevio
