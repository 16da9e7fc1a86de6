#include <gtest/gtest.h>

#include "host/net/SendQueue.h"

namespace brevio {
namespace {

std::vector<std::string> PopAll(SendQueue& queue) {
  std::vector<std::string> popped;
  while (queue.HasWaiting()) popped.push_back(queue.Pop());
  return popped;
}

TEST(SendQueue, KeepsOrderAndQueuesARetryOfAWaitingFrameOnce) {
  SendQueue queue(10);
  for (const char* frame : {"a", "b", "a", "c"}) queue.Push(frame);
  EXPECT_EQ(PopAll(queue), (std::vector<std::string>{"a", "b", "c"}));
}

TEST(SendQueue, WhenFullDropsTheOldestWaitingFrame) {
  SendQueue queue(3);
  queue.Push("in socket");
  queue.Pop();
  for (const char* frame : {"1", "2", "3"}) queue.Push(frame);
  EXPECT_EQ(queue.Dropped(), 1u);
  EXPECT_EQ(PopAll(queue), (std::vector<std::string>{"2", "3"}));
  queue.Push("4");  // every queued frame is in the socket: the new one goes
  EXPECT_EQ(queue.Dropped(), 2u);
  EXPECT_FALSE(queue.HasWaiting());
}

TEST(SendQueue, FramesNotYetPassedOnWaitAgainAheadOfTheOthersWhenTheConnectionGoes) {
  SendQueue queue(10);
  for (const char* frame : {"aaa", "bbb", "ccc"}) queue.Push(frame);
  queue.Pop();
  queue.Pop();
  queue.Written(4);  // "aaa" and one byte of "bbb"
  queue.Push("ddd");
  queue.Requeue();
  EXPECT_EQ(PopAll(queue), (std::vector<std::string>{"bbb", "ccc", "ddd"}));
  queue.Written(9);
  queue.Requeue();
  EXPECT_FALSE(queue.HasWaiting());
  queue.Push("aaa");  // long gone: a new frame of the same bytes is sent again
  EXPECT_EQ(queue.Waiting(), 1u);
}

TEST(SendQueue, SessionBytesCountInTheOrderWrittenAndAreNotSentAgain) {
  SendQueue queue(10);
  queue.Push("aaa");
  queue.Pop();
  queue.SessionBytesSent(5);  // a keep-alive between two frames
  queue.Push("bbb");
  queue.Pop();
  queue.Written(3 + 5);  // "aaa" and the keep-alive, not "bbb"
  queue.Requeue();
  EXPECT_EQ(PopAll(queue), std::vector<std::string>{"bbb"});
}

}  // namespace
}  // namespace brevio
