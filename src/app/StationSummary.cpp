// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StationSummary.h"

namespace brevio {

void StationSummary::LinkChanged(const LinkStatus& status) {
  link_ = status;
  Changed();
}

void StationSummary::FrameHeard() {
  ++framesHeard_;
  Changed();
}

void StationSummary::ReplySent() {
  ++repliesSent_;
  Changed();
}

void StationSummary::FrameDropped() {
  ++dropped_;
  Changed();
}

void StationSummary::FrameShed() {
  ++shed_;
  Changed();
}

void StationSummary::Throttled(bool down) {
  throttled_ = down;
  Changed();
}

std::string StationSummary::Text(std::chrono::system_clock::time_point now) const {
  std::string state;
  switch (link_.state) {
    case LinkState::Connecting:
      state = "connecting";
      break;
    case LinkState::Connected:
      state = "connected";
      break;
    case LinkState::Waiting: {
      // Rounded up, so that "0 s" never shows while the try is still ahead.
      const auto left = std::chrono::ceil<std::chrono::seconds>(link_.nextTry - now).count();
      state = "trying again in " + std::to_string(left < 0 ? 0 : left) + " s";
      break;
    }
    case LinkState::Lost:
      state = "lost";
      break;
  }
  if (!link_.reason.empty()) state += " (" + link_.reason + ")";
  return link_.address + ": " + state + " | frames heard: " + std::to_string(framesHeard_) +
         " | replies sent: " + std::to_string(repliesSent_) +
         " | dropped: " + std::to_string(dropped_) +
         (shed_ > 0 ? " | shed: " + std::to_string(shed_) : "") +
         (throttled_ ? " | throttled down" : "");
}

void StationSummary::Changed() {
  for (const auto& handler : onChange_) handler();
}

}  // namespace brevio
