// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <string>

namespace brevio {

enum class LinkState {
  // Trying to reach the TNC or server (the first try runs as soon as the event loop does).
  Connecting,
  Connected,
  // Down, to be tried again at the status's next try.
  Waiting,
  // Down for good: nothing will be tried again (the input of the stdio link has ended).
  Lost,
};

// Where a link is and how it stands.
struct LinkStatus {
  // As --tnc names it: "kiss://127.0.0.1:8001", "serial:/dev/ttyUSB0@9600", "stdio"...
  std::string address;
  LinkState state = LinkState::Connecting;
  // Why the link is down (Waiting, Lost), as the status log says it; empty otherwise.
  std::string reason;
  // When Waiting: when the next try starts.
  std::chrono::system_clock::time_point nextTry;

  bool operator==(const LinkStatus&) const = default;
};

// Hears each change of a link's status as it happens, for a status bar; runs on the event loop.
class LinkObserver {
 public:
  virtual ~LinkObserver() = default;
  virtual void LinkChanged(const LinkStatus& status) = 0;
};

}  // namespace brevio
