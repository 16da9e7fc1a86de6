// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/KissDeframer.h"

namespace brevio {

KissDeframer::KissDeframer(std::size_t maxPayload) : maxPayload_(maxPayload) {}

std::vector<KissFrame> KissDeframer::Feed(std::string_view bytes) {
  std::vector<KissFrame> frames;
  for (const char c : bytes) {
    if (c == kKissFend) {
      if (state_ == State::Escaped) {
        Discard(malformedDropped_);
      } else if (state_ == State::InFrame) {
        EndFrame(frames);
      }
      frame_.clear();
      state_ = State::InFrame;
      continue;
    }
    switch (state_) {
      case State::Hunting:
      case State::Discarding:
        break;
      case State::InFrame:
        if (c == kKissFesc) {
          state_ = State::Escaped;
        } else {
          Append(c);
        }
        break;
      case State::Escaped:
        if (c == kKissTfend) {
          state_ = State::InFrame;
          Append(kKissFend);
        } else if (c == kKissTfesc) {
          state_ = State::InFrame;
          Append(kKissFesc);
        } else {
          Discard(malformedDropped_);
        }
        break;
    }
  }
  return frames;
}

void KissDeframer::Append(char c) {
  // The type byte comes first and is not part of the payload.
  if (frame_.size() == maxPayload_ + 1) {
    Discard(overlongDropped_);
    return;
  }
  frame_ += c;
}

void KissDeframer::EndFrame(std::vector<KissFrame>& frames) {
  // Back-to-back FENDs carry no frame.
  if (frame_.empty()) return;
  const auto type = static_cast<unsigned char>(frame_[0]);
  if ((type & 0x0F) != 0) {
    ++otherCommandsSkipped_;
    return;
  }
  frames.push_back({type >> 4, frame_.substr(1)});
}

void KissDeframer::Discard(std::size_t& counter) {
  ++counter;
  frame_.clear();
  state_ = State::Discarding;
}

}  // namespace brevio
