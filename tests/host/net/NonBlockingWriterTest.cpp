// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <QTest>
#include <cstdio>
#include <string>
#include <vector>

#include "host/net/NonBlockingWriter.h"

namespace brevio::test {
namespace {

// 64 bytes: 64 of them fill a one-page pipe exactly, so the next one waits unwritten.
std::string Numbered(int n) {
  char line[65];
  std::snprintf(line, sizeof line, "%063d\n", n);
  return line;
}

struct Row {
  const char* name;
  // Longer than the pipe holds, it is cut part-way; one page exactly, the next line waits whole.
  std::string first;
  std::vector<int> expected;  // the numbered lines read after `first`
};

// A full queue pushes out the oldest waiting line, unless that one is being written: it ends
// whole and the one after it goes.
TEST(NonBlockingWriterTest, AFullQueuePushesOutTheOldestLineNotWrittenYet) {
  std::string page;
  for (int n = 1; n <= 64; ++n) page += Numbered(n);
  const auto upTo201From = [](int first) {
    std::vector<int> numbers;
    for (int n = first; n <= 201; ++n) numbers.push_back(n);
    return numbers;
  };
  const Row rows[] = {{"cut part-way", std::string(5000, 'x') + "\n", upTo201From(3)},
                      {"filling the pipe", page, upTo201From(2)}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    int pipe[2];
    ASSERT_EQ(::pipe2(pipe, O_CLOEXEC | O_NONBLOCK), 0);
    ASSERT_EQ(::fcntl(pipe[1], F_SETPIPE_SZ, 4096), 4096);
    int dropping = 0;
    std::size_t caughtUp = 0;
    {
      NonBlockingWriter writer(
          pipe[1], {[&] { ++dropping; }, [&](std::size_t dropped) { caughtUp = dropped; }, {}});
      writer.Write(row.first);
      for (int n = 1; n <= 201; ++n) writer.Write(Numbered(n));
      std::string read;
      char buffer[4096];
      ASSERT_TRUE(QTest::qWaitFor([&] {
        for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;)
          read.append(buffer, static_cast<std::size_t>(got));
        return caughtUp > 0;
      }));
      ASSERT_TRUE(read.starts_with(row.first));
      std::vector<int> numbers;
      for (std::size_t at = row.first.size(); at < read.size(); at += 64) {
        numbers.push_back(std::stoi(read.substr(at, 64)));
      }
      EXPECT_EQ(numbers, row.expected);
      EXPECT_EQ(dropping, 1);
      EXPECT_EQ(caughtUp, 201 - row.expected.size());
    }
    ::close(pipe[0]);
    ::close(pipe[1]);
  }
}

}  // namespace
}  // namespace brevio::test
