// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <initializer_list>
#include <memory>

namespace brevio {

// Turns POSIX signals into events of the Qt event loop: the handler only writes the signal's
// number into a pipe, and the loop reads it and calls `onSignal` with no signal restrictions.
// One per process.
class PosixSignalEvents {
 public:
  PosixSignalEvents(std::initializer_list<int> numbers, std::function<void(int)> onSignal);
  ~PosixSignalEvents();
  PosixSignalEvents(const PosixSignalEvents&) = delete;
  PosixSignalEvents& operator=(const PosixSignalEvents&) = delete;

 private:
  void Drain();

  std::function<void(int)> onSignal_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace brevio
