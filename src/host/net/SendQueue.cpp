#include "host/net/SendQueue.h"

#include <algorithm>

namespace brevio {

void SendQueue::Push(std::string bytes) {
  if (std::find(frames_.begin(), frames_.end(), bytes) != frames_.end()) return;
  if (frames_.size() >= bound_) {
    ++dropped_;
    if (!HasWaiting()) return;
    frames_.erase(frames_.begin() + static_cast<std::ptrdiff_t>(inFlight_));
  }
  frames_.push_back(std::move(bytes));
}

const std::string& SendQueue::Pop() {
  return frames_[inFlight_++];
}

void SendQueue::Written(std::size_t count) {
  while (count > 0 && inFlight_ > 0) {
    const std::size_t rest = frames_.front().size() - writtenOfFirst_;
    if (count < rest) {
      writtenOfFirst_ += count;
      return;
    }
    count -= rest;
    frames_.pop_front();
    --inFlight_;
    writtenOfFirst_ = 0;
  }
}

void SendQueue::Requeue() {
  inFlight_ = 0;
  writtenOfFirst_ = 0;
}

}  // namespace brevio
