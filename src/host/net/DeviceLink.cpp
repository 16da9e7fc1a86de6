// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/net/DeviceLink.h"

#include <algorithm>

namespace brevio {

namespace {

std::string WaitText(int ms) {
  return ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
}

}  // namespace

DeviceLink::DeviceLink(const std::string& kind, std::unique_ptr<LinkDevice> device, LinkLog log,
                       LinkOptions options)
    : name_(kind + " " + device->Address()),
      device_(std::move(device)),
      log_(std::move(log)),
      options_(options),
      nextWaitMs_(options.firstRetryMs),
      queue_(options.queueBound),
      status_(device_->Address()) {
  for (QTimer* timer : {&retryTimer_, &connectTimer_, &stallTimer_, &silenceTimer_}) {
    timer->setSingleShot(true);
  }
  readOn_.setSingleShot(true);
  readOn_.setInterval(0);
  connectTimer_.setInterval(options_.connectTimeoutMs);
  stallTimer_.setInterval(options_.writeStallMs);
  silenceTimer_.setInterval(options_.silenceMs);
  QIODevice& io = device_->Io();
  QObject::connect(&retryTimer_, &QTimer::timeout, &io, [this] { Connect(); });
  QObject::connect(&connectTimer_, &QTimer::timeout, &io,
                   [this] { Lost("no connection within " + WaitText(options_.connectTimeoutMs)); });
  QObject::connect(&stallTimer_, &QTimer::timeout, &io,
                   [this] { Lost("sending stalled for " + WaitText(options_.writeStallMs)); });
  QObject::connect(&silenceTimer_, &QTimer::timeout, &io,
                   [this] { Lost("nothing heard for " + WaitText(options_.silenceMs)); });
  QObject::connect(&io, &QIODevice::readyRead, &io, [this] { OnReadyRead(); });
  QObject::connect(&readOn_, &QTimer::timeout, &io, [this] { OnReadyRead(); });
  QObject::connect(&io, &QIODevice::bytesWritten, &io,
                   [this](qint64 count) { OnBytesWritten(count); });
  device_->Watch({[this] { OnConnected(); }, [this](const std::string& reason) { Lost(reason); }});
}

// Frames sent last (the killed objects of an unload) leave before the device closes; a device
// that goes reports its end, and nothing is left here to hear it.
DeviceLink::~DeviceLink() {
  if (state_ == State::Connected) device_->Flush();
  device_->Io().disconnect();
}

// The first try starts as the event loop runs.
void DeviceLink::Start(Handlers handlers) {
  handlers_ = std::move(handlers);
  log_(name_ + ": connecting");
  retryTimer_.start(0);
}

void DeviceLink::Send(std::string frame) {
  queue_.Push(std::move(frame));
  if (sessionOpen_) Flush();
}

void DeviceLink::SendSessionBytes(std::string_view bytes) {
  if (state_ != State::Connected) return;
  Write(std::string(bytes));
  queue_.SessionBytesSent(bytes.size());
}

void DeviceLink::OpenSession() {
  if (state_ != State::Connected) return;
  sessionOpen_ = true;
  Flush();
}

void DeviceLink::Reconnect(const std::string& reason) {
  Lost(reason);
}

void DeviceLink::Connect() {
  state_ = State::Connecting;
  status_.Set(LinkState::Connecting);
  connectTimer_.start();
  device_->Open();
}

void DeviceLink::OnConnected() {
  connectTimer_.stop();
  state_ = State::Connected;
  status_.Set(LinkState::Connected);
  connectedFor_.start();
  loggedReason_.clear();
  std::string line = name_ + ": connected";
  if (queue_.Waiting() > 0) line += ", " + std::to_string(queue_.Waiting()) + " frames waiting";
  log_(line);
  if (options_.silenceMs > 0) silenceTimer_.start();
  if (handlers_.connected) handlers_.connected();
}

void DeviceLink::OnReadyRead() {
  QIODevice& io = device_->Io();
  if (state_ != State::Connected) {
    io.readAll();
    return;
  }
  const QByteArray bytes = io.read(kReadPerTurn);
  if (io.bytesAvailable() > 0) readOn_.start();
  const bool behind = io.bytesAvailable() > kBehindAbove;
  if (options_.silenceMs > 0) silenceTimer_.start();
  handlers_.received(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                     behind);
}

void DeviceLink::OnBytesWritten(qint64 count) {
  queue_.Written(static_cast<std::size_t>(count));
  // Progress: the peer takes what is sent.
  if (device_->Io().bytesToWrite() > 0) {
    stallTimer_.start();
  } else {
    stallTimer_.stop();
  }
}

void DeviceLink::Write(const std::string& bytes) {
  device_->Io().write(bytes.data(), static_cast<qint64>(bytes.size()));
  if (!stallTimer_.isActive()) stallTimer_.start();
}

void DeviceLink::Flush() {
  while (state_ == State::Connected && queue_.HasWaiting()) {
    const std::string frame = queue_.Pop();
    Write(frame);
    if (handlers_.left) handlers_.left(frame);
  }
  if (queue_.Dropped() > droppedLogged_) {
    log_(name_ + ": " + std::to_string(queue_.Dropped() - droppedLogged_) +
         " frames dropped while the link was down (at most " + std::to_string(options_.queueBound) +
         " wait)");
    droppedLogged_ = queue_.Dropped();
  }
}

// Each way a connection can end comes here, often twice (an error, then the disconnection):
// only the first counts.
void DeviceLink::Lost(const std::string& reason) {
  if (state_ == State::Waiting) return;
  const bool wasConnected = state_ == State::Connected;
  state_ = State::Waiting;
  sessionOpen_ = false;
  for (QTimer* timer : {&connectTimer_, &stallTimer_, &silenceTimer_, &readOn_}) timer->stop();
  device_->Close();
  queue_.Requeue();
  if (wasConnected) {
    if (connectedFor_.elapsed() >= options_.longestRetryMs) nextWaitMs_ = options_.firstRetryMs;
    if (handlers_.lost) handlers_.lost();
  }
  const int wait = NextWait();
  LogRetry(reason, wait);
  status_.Set(LinkState::Waiting, reason,
              std::chrono::system_clock::now() + std::chrono::milliseconds(wait));
  retryTimer_.start(wait);
}

int DeviceLink::NextWait() {
  const int wait = nextWaitMs_;
  nextWaitMs_ = std::min(options_.longestRetryMs, nextWaitMs_ * 2);
  return wait;
}

void DeviceLink::LogRetry(const std::string& reason, int waitMs) {
  if (reason == loggedReason_ && waitMs == loggedWaitMs_) return;
  loggedReason_ = reason;
  loggedWaitMs_ = waitMs;
  log_(name_ + ": " + reason +
       (waitMs == options_.longestRetryMs ? "; trying again every " : "; next try in ") +
       WaitText(waitMs));
}

}  // namespace brevio
