#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QTest>
#include <csignal>
#include <string>
#include <vector>

#include "host/net/NonBlockingWriter.h"

namespace brevio::test {
namespace {

// A pipe of one page whose reader takes nothing until the test reads it.
struct StalledPipe {
  StalledPipe() {
    EXPECT_EQ(::pipe2(fds, O_CLOEXEC), 0);
    ::fcntl(fds[1], F_SETPIPE_SZ, 4096);
  }
  ~StalledPipe() {
    for (const int fd : fds) ::close(fd);
  }
  std::string ReadAll() {
    ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
    std::string bytes;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) {
      bytes.append(buffer, static_cast<std::size_t>(n));
    }
    return bytes;
  }
  int fds[2] = {-1, -1};
};

std::string Line(int n) {
  return "LINE" + std::to_string(n) + std::string(40, '.') + "\n";
}

// A stalled reader costs the oldest waiting lines, never a line cut in two nor a wait; the
// writer says when it starts dropping and how many were lost once the reader took the rest.
TEST(NonBlockingWriterTest, AStalledReaderLosesTheOldestWholeLinesAndNeverHoldsTheWriterUp) {
  StalledPipe pipe;
  std::vector<std::string> events;
  NonBlockingWriter writer(
      pipe.fds[1], {[&] { events.push_back("dropping"); },
                    [&](std::size_t n) { events.push_back("caught up " + std::to_string(n)); },
                    [&](const std::string& why) { events.push_back(why); }});
  constexpr int kLines = 600;
  for (int n = 0; n < kLines; ++n) writer.Write(Line(n));
  EXPECT_EQ(events, std::vector<std::string>{"dropping"});
  const std::size_t dropped = writer.Dropped();
  EXPECT_GT(dropped, 0u);
  std::string read = pipe.ReadAll();
  // What waited goes out as the descriptor is ready again, without a write from the station.
  EXPECT_TRUE(QTest::qWaitFor([&] {
    read += pipe.ReadAll();
    return events.size() == 2;
  }));
  read += pipe.ReadAll();
  EXPECT_EQ(events.back(), "caught up " + std::to_string(dropped));
  // Whole lines: the first ones in order, then, after one gap, the newest ones.
  std::vector<int> numbers;
  for (std::size_t at = 0; at < read.size();) {
    const int n = std::stoi(read.substr(at + 4));
    ASSERT_EQ(read.substr(at, Line(n).size()), Line(n));
    numbers.push_back(n);
    at += Line(n).size();
  }
  ASSERT_EQ(numbers.size() + dropped, static_cast<std::size_t>(kLines));
  EXPECT_EQ(numbers.back(), kLines - 1);
  int gaps = 0;
  for (std::size_t i = 1; i < numbers.size(); ++i) gaps += numbers[i] != numbers[i - 1] + 1;
  EXPECT_EQ(gaps, 1);
  EXPECT_EQ(numbers.front(), 0);
}

TEST(NonBlockingWriterTest, AReaderThatHasGoneIsSaidOnceAndNothingIsWrittenAfter) {
  std::signal(SIGPIPE, SIG_IGN);
  StalledPipe pipe;
  ::close(pipe.fds[0]);
  pipe.fds[0] = ::open("/dev/null", O_RDONLY);
  std::vector<std::string> events;
  NonBlockingWriter writer(pipe.fds[1],
                           {{}, {}, [&](const std::string& why) { events.push_back(why); }});
  writer.Write(Line(1));
  writer.Write(Line(2));
  EXPECT_EQ(events, std::vector<std::string>{"Broken pipe"});
}

}  // namespace
}  // namespace brevio::test
