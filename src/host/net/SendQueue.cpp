// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/net/SendQueue.h"

#include <algorithm>

namespace brevio {

void SendQueue::Push(std::string bytes) {
  if (std::find(waiting_.begin(), waiting_.end(), bytes) != waiting_.end()) return;
  if (std::any_of(sent_.begin(), sent_.end(), [&](const Sent& s) { return s.frame == bytes; })) {
    return;
  }
  if (waiting_.size() + framesSent_ >= bound_) {
    ++dropped_;
    if (waiting_.empty()) return;
    waiting_.pop_front();
  }
  waiting_.push_back(std::move(bytes));
}

const std::string& SendQueue::Pop() {
  const std::size_t size = waiting_.front().size();
  sent_.push_back({std::move(waiting_.front()), size});
  waiting_.pop_front();
  ++framesSent_;
  return sent_.back().frame;
}

void SendQueue::SessionBytesSent(std::size_t count) {
  if (count > 0) sent_.push_back({"", count});
}

void SendQueue::Written(std::size_t count) {
  while (count > 0 && !sent_.empty()) {
    const std::size_t rest = sent_.front().size - writtenOfFirst_;
    if (count < rest) {
      writtenOfFirst_ += count;
      return;
    }
    count -= rest;
    if (!sent_.front().frame.empty()) --framesSent_;
    sent_.pop_front();
    writtenOfFirst_ = 0;
  }
}

void SendQueue::Requeue() {
  for (auto sent = sent_.rbegin(); sent != sent_.rend(); ++sent) {
    if (!sent->frame.empty()) waiting_.push_front(std::move(sent->frame));
  }
  sent_.clear();
  framesSent_ = 0;
  writtenOfFirst_ = 0;
}

}  // namespace brevio
