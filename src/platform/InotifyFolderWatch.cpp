// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/InotifyFolderWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <QEventLoop>
#include <QTimer>
#include <array>

namespace brevio {

namespace {
// File names, attributes, sizes, write times and creations of the folder's own files.
constexpr std::uint32_t kChanges =
    IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB | IN_MODIFY | IN_CLOSE_WRITE;
}  // namespace

bool InotifyFolderWatch::Create(const std::string& folder) {
  Close();
  fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd_ < 0) return false;
  if (inotify_add_watch(fd_, folder.c_str(), kChanges) < 0) {
    Close();
    return false;
  }
  notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Signalled(); });
  signalled_ = false;
  return true;
}

void InotifyFolderWatch::Signalled() {
  // The events are read away now, so that a change made while the loop checks or reloads stays
  // queued and signals again once re-armed.
  std::array<char, 4096> events;
  while (read(fd_, events.data(), events.size()) > 0) {
  }
  signalled_ = true;
  // Quiet until re-armed, so that a burst of changes does not keep waking the loop.
  notifier_->setEnabled(false);
  if (waiting_ != nullptr) waiting_->quit();
}

bool InotifyFolderWatch::Wait(std::int32_t ms) {
  if (signalled_) return true;
  if (ms == kUntilSignalled && fd_ < 0) return false;
  QEventLoop loop;
  QTimer timeout;
  timeout.setSingleShot(true);
  QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
  // Unbounded, the loop sleeps in poll() until an event comes: no timer wakes it.
  if (ms != kUntilSignalled) timeout.start(ms);
  waiting_ = &loop;
  loop.exec();
  waiting_ = nullptr;
  return signalled_;
}

void InotifyFolderWatch::Rearm() {
  if (fd_ < 0) return;
  signalled_ = false;
  notifier_->setEnabled(true);
}

void InotifyFolderWatch::Close() {
  notifier_.reset();
  if (fd_ >= 0) close(fd_);
  fd_ = -1;
  signalled_ = false;
  if (waiting_ != nullptr) waiting_->quit();
}

}  // namespace brevio
