// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>

#include "host/net/SendQueue.h"

namespace brevio {
namespace {

// Steps, space-separated: "+X" pushes X, "-" pops, "wN" writes N bytes, "sN" sends N bytes of the
// session, "r" requeues. Each gives the frames popped, then "/ D dropped, W waiting".
TEST(SendQueueTest, PopsWhatWasPushedAndWaitsAgainWhatDidNotLeave) {
  const std::tuple<std::size_t, const char*, const char*> cases[] = {
      // A retry of a waiting frame is queued once.
      {10, "+a +b +a +c - - -", "a b c / 0 dropped, 0 waiting"},
      // Full, it drops the oldest waiting frame, or the new one when all are in the socket.
      {3, "+in - +1 +2 +3 - - +4", "in 2 3 / 2 dropped, 0 waiting"},
      // A frame not yet passed on waits again, ahead of the others; one long gone does not.
      {10, "+aaa +bbb +ccc - - w4 +ddd r - - - w9 r +aaa",
       "aaa bbb bbb ccc ddd / 0 dropped, 1 waiting"},
      // Bytes of the session count in the order written and are not sent again.
      {10, "+aaa - s5 +bbb - w8 r -", "aaa bbb bbb / 0 dropped, 0 waiting"}};
  for (const auto& [bound, steps, expected] : cases) {
    SendQueue queue(bound);
    std::string result;
    std::istringstream input(steps);
    for (std::string step; input >> step;) {
      if (step[0] == '+') queue.Push(step.substr(1));
      if (step[0] == '-') result += queue.Pop() + " ";
      if (step[0] == 'w') queue.Written(std::stoul(step.substr(1)));
      if (step[0] == 's') queue.SessionBytesSent(std::stoul(step.substr(1)));
      if (step[0] == 'r') queue.Requeue();
    }
    result += "/ " + std::to_string(queue.Dropped()) + " dropped, " +
              std::to_string(queue.Waiting()) + " waiting";
    EXPECT_EQ(result, expected) << steps;
  }
}

}  // namespace
}  // namespace brevio
