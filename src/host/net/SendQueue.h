// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <deque>
#include <string>

namespace brevio {

// The frames of a link that have not surely left: those waiting for the link, and those handed
// to the socket that it has not yet passed to the system. When a connection goes, the second
// kind waits again, ahead of the first, so that a frame sent just before a link broke is sent
// again after it returns.
class SendQueue {
 public:
  explicit SendQueue(std::size_t bound) : bound_(bound) {}

  // Adds a frame's bytes unless the same bytes are queued already (a retry of a frame that has
  // not left yet). With `bound` frames queued, the oldest waiting one is dropped for it (or
  // this one, when every queued frame is in the socket).
  void Push(std::string bytes);

  bool HasWaiting() const { return !waiting_.empty(); }
  // The oldest waiting frame; it is in the socket from now on.
  const std::string& Pop();
  // Bytes of the session itself (a login, a keep-alive) are in the socket, after the frames
  // before them; they belong to their connection and are not sent again.
  void SessionBytesSent(std::size_t count);

  // The socket has passed `count` more bytes to the system.
  void Written(std::size_t count);
  // The connection has gone: the frames in the socket wait again.
  void Requeue();

  std::size_t Waiting() const { return waiting_.size(); }
  std::size_t Dropped() const { return dropped_; }

 private:
  // What the socket holds, in the order written: a frame, or only the length of session bytes.
  struct Sent {
    std::string frame;
    std::size_t size = 0;
  };

  std::size_t bound_;
  std::deque<std::string> waiting_;
  std::deque<Sent> sent_;
  std::size_t framesSent_ = 0;
  // Bytes of the first in `sent_` that the socket has passed on already.
  std::size_t writtenOfFirst_ = 0;
  std::size_t dropped_ = 0;
};

}  // namespace brevio
