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

  bool HasWaiting() const { return inFlight_ < frames_.size(); }
  // The oldest waiting frame; it is in the socket from now on.
  const std::string& Pop();

  // The socket has passed `count` more bytes to the system.
  void Written(std::size_t count);
  // The connection has gone: the frames in the socket wait again.
  void Requeue();

  std::size_t Waiting() const { return frames_.size() - inFlight_; }
  std::size_t Dropped() const { return dropped_; }

 private:
  std::size_t bound_;
  // The frames in the socket first, in the order written, then the waiting ones.
  std::deque<std::string> frames_;
  std::size_t inFlight_ = 0;
  // Bytes of the first frame that the socket has passed on already.
  std::size_t writtenOfFirst_ = 0;
  std::size_t dropped_ = 0;
};

}  // namespace brevio
