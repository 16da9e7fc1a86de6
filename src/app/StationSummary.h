// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "host/net/LinkObserver.h"
#include "host/station/StationObserver.h"

namespace brevio {

// How the station stands at a glance: its link, the frames heard and the replies sent since
// start, and whether the server is throttled down. One text for the window's status bar and for
// the headless summary line, so the two never differ.
class StationSummary : public LinkObserver, public StationObserver {
 public:
  // Runs `handler` after each change, after those given before it.
  void OnChange(std::function<void()> handler) { onChange_.push_back(std::move(handler)); }

  void LinkChanged(const LinkStatus& status) override;
  void FrameHeard() override;
  void ReplySent() override;
  void FrameShed() override;
  void FrameDropped() override;
  void Throttled(bool down);

  const LinkStatus& Link() const { return link_; }

  // "kiss://127.0.0.1:8001: connected | frames heard: 12 | replies sent: 3 | dropped: 0", with
  // " | shed: 40" once frames were shed, " | throttled down" while it is; a link waiting for its
  // next try counts down to it.
  std::string Text(std::chrono::system_clock::time_point now) const;

 private:
  void Changed();

  LinkStatus link_;
  long framesHeard_ = 0;
  long repliesSent_ = 0;
  long shed_ = 0;
  long dropped_ = 0;
  bool throttled_ = false;
  std::vector<std::function<void()>> onChange_;
};

}  // namespace brevio
