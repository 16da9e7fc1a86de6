#include <gtest/gtest.h>

#include <sstream>

#include "host/net/SendQueue.h"

namespace brevio {
namespace {

struct QueueCase {
  const char* name;
  std::size_t bound;
  // Space-separated: "+X" pushes X, "-" pops, "wN" writes N bytes, "sN" sends N bytes of the
  // session, "r" requeues.
  const char* steps;
  // The frames popped, then "/ D dropped, W waiting".
  const char* result;
};

class SendQueueTest : public ::testing::TestWithParam<QueueCase> {};

TEST_P(SendQueueTest, PopsWhatWasPushedAndWaitsAgainWhatDidNotLeave) {
  SendQueue queue(GetParam().bound);
  std::string result;
  std::istringstream steps(GetParam().steps);
  for (std::string step; steps >> step;) {
    if (step[0] == '+') queue.Push(step.substr(1));
    if (step[0] == '-') result += queue.Pop() + " ";
    if (step[0] == 'w') queue.Written(std::stoul(step.substr(1)));
    if (step[0] == 's') queue.SessionBytesSent(std::stoul(step.substr(1)));
    if (step[0] == 'r') queue.Requeue();
  }
  result += "/ " + std::to_string(queue.Dropped()) + " dropped, " +
            std::to_string(queue.Waiting()) + " waiting";
  EXPECT_EQ(result, GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SendQueueTest,
    ::testing::Values(
        QueueCase{"ARetryOfAWaitingFrameIsQueuedOnce", 10, "+a +b +a +c - - -",
                  "a b c / 0 dropped, 0 waiting"},
        // Full, it drops the oldest waiting frame, or the new one when all are in the socket.
        QueueCase{"WhenFullDropsTheOldestWaiting", 3, "+in - +1 +2 +3 - - +4",
                  "in 2 3 / 2 dropped, 0 waiting"},
        // A frame not yet passed on waits again, ahead of the others; one long gone does not.
        QueueCase{"RequeuesFramesNotPassedOn", 10, "+aaa +bbb +ccc - - w4 +ddd r - - - w9 r +aaa",
                  "aaa bbb bbb ccc ddd / 0 dropped, 1 waiting"},
        // Bytes of the session count in the order written and are not sent again.
        QueueCase{"SessionBytesAreNotSentAgain", 10, "+aaa - s5 +bbb - w8 r -",
                  "aaa bbb bbb / 0 dropped, 0 waiting"}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace brevio
