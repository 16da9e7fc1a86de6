// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PosixSignalEvents.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

namespace brevio {

namespace {

std::array<int, 2> pipeEnds = {-1, -1};

void WriteSignal(int number) {
  const int savedErrno = errno;
  const auto byte = static_cast<unsigned char>(number);
  // A full pipe drops the signal: one already waiting does the same work.
  [[maybe_unused]] const auto written = write(pipeEnds[1], &byte, 1);
  errno = savedErrno;
}

}  // namespace

PosixSignalEvents::PosixSignalEvents(std::initializer_list<int> numbers,
                                     std::function<void(int)> onSignal)
    : onSignal_(std::move(onSignal)) {
  if (pipe2(pipeEnds.data(), O_NONBLOCK | O_CLOEXEC) != 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { Drain(); });
  struct sigaction action = {};
  action.sa_handler = WriteSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : numbers) sigaction(number, &action, nullptr);
}

PosixSignalEvents::~PosixSignalEvents() {
  notifier_.reset();
  for (int& end : pipeEnds) {
    if (end >= 0) close(end);
    end = -1;
  }
}

void PosixSignalEvents::Drain() {
  unsigned char number = 0;
  while (read(pipeEnds[0], &number, 1) == 1) onSignal_(number);
}

}  // namespace brevio
