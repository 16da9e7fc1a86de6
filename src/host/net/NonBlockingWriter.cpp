// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/net/NonBlockingWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <utility>

namespace brevio {

namespace {

// An open file of its own for the same pipe or terminal, when the system gives one, so that not
// waiting stays ours: standard error and the shell often share the original's open file. A
// regular file never makes a writer wait.
int OwnOpenFile(int fd) {
  struct stat status {};
  if (::fstat(fd, &status) != 0 || S_ISREG(status.st_mode)) return -1;
  // One that cannot be written stays so.
  if ((::fcntl(fd, F_GETFL) & O_ACCMODE) == O_RDONLY) return -1;
  return ::open(("/proc/self/fd/" + std::to_string(fd)).c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
}

}  // namespace

// Without an open file of its own (a regular file, a socket), the shared one does not wait while
// the writer lives, and gets its flags back as the writer goes.
NonBlockingWriter::NonBlockingWriter(int fd, Events events)
    : fd_(fd), ownFd_(OwnOpenFile(fd)), events_(std::move(events)) {
  if (ownFd_ >= 0) {
    fd_ = ownFd_;
  } else {
    flagsBefore_ = ::fcntl(fd_, F_GETFL);
    if (flagsBefore_ >= 0) ::fcntl(fd_, F_SETFL, flagsBefore_ | O_NONBLOCK);
  }
  notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Write);
  notifier_->setEnabled(false);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Flush(); });
}

NonBlockingWriter::~NonBlockingWriter() {
  events_ = {};
  notifier_.reset();
  Flush();
  if (ownFd_ >= 0) ::close(ownFd_);
  if (flagsBefore_ >= 0) ::fcntl(fd_, F_SETFL, flagsBefore_);
}

void NonBlockingWriter::Write(std::string line) {
  if (closed_ || line.empty()) return;
  if (waiting_.size() >= kMaxWaiting) {
    // The line being written must end whole; the next one goes instead.
    waiting_.erase(waiting_.begin() + (frontWritten_ > 0 ? 1 : 0));
    if (droppedInStall_++ == 0 && events_.dropping) events_.dropping();
  }
  waiting_.push_back(std::move(line));
  Flush();
}

void NonBlockingWriter::Flush() {
  while (!closed_ && !waiting_.empty()) {
    const std::string& front = waiting_.front();
    const ssize_t count = ::write(fd_, front.data() + frontWritten_, front.size() - frontWritten_);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) break;
    if (count < 0) {
      const int error = errno;
      closed_ = true;
      waiting_.clear();
      if (notifier_) notifier_->setEnabled(false);
      if (events_.closed) events_.closed(std::strerror(error));
      return;
    }
    frontWritten_ += static_cast<std::size_t>(count);
    if (frontWritten_ == front.size()) {
      waiting_.pop_front();
      frontWritten_ = 0;
    }
  }
  if (notifier_) notifier_->setEnabled(!waiting_.empty() && !closed_);
  if (waiting_.empty() && droppedInStall_ > 0) {
    const std::size_t dropped = std::exchange(droppedInStall_, 0);
    if (events_.caughtUp) events_.caughtUp(dropped);
  }
}

}  // namespace brevio
