// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSocketNotifier>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <string>

namespace brevio {

// Lines for a file descriptor whose reader may stall (a pipe nobody reads), written as far as
// it takes them without ever waiting: the rest wait in a bounded queue, written as the
// descriptor takes them, and a line that finds the queue full pushes out the oldest waiting.
// A line is written whole or not at all.
class NonBlockingWriter {
 public:
  static constexpr std::size_t kMaxWaiting = 200;

  struct Events {
    // The first line dropped since the reader last took everything.
    std::function<void()> dropping;
    // The reader took everything again; `dropped` lines were lost meanwhile.
    std::function<void(std::size_t dropped)> caughtUp;
    // The descriptor can be written no more (its reader has gone): `reason` says why. Nothing is
    // written after it.
    std::function<void(const std::string& reason)> closed;
  };

  NonBlockingWriter(int fd, Events events);
  // Writes what the descriptor takes at once, drops the rest, and gives the descriptor back its
  // own flags.
  ~NonBlockingWriter();
  NonBlockingWriter(const NonBlockingWriter&) = delete;
  NonBlockingWriter& operator=(const NonBlockingWriter&) = delete;

  void Write(std::string line);

 private:
  void Flush();

  int fd_;
  // An open file of the writer's own for `fd`, or -1.
  int ownFd_;
  Events events_;
  int flagsBefore_ = -1;
  std::deque<std::string> waiting_;
  // Bytes of the first waiting line already written.
  std::size_t frontWritten_ = 0;
  std::size_t droppedInStall_ = 0;
  bool closed_ = false;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace brevio
