#include "host/net/TcpLink.h"

#include <algorithm>

namespace brevio {

namespace {

std::string WaitText(int ms) {
  return ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms";
}

}  // namespace

TcpLink::TcpLink(std::string name, std::string host, std::uint16_t port, LinkLog log,
                 TcpLinkOptions options)
    : name_(std::move(name)),
      host_(QString::fromStdString(host)),
      port_(port),
      log_(std::move(log)),
      options_(options),
      nextWaitMs_(options.firstRetryMs),
      queue_(options.queueBound) {
  for (QTimer* timer : {&retryTimer_, &connectTimer_, &stallTimer_, &silenceTimer_}) {
    timer->setSingleShot(true);
  }
  connectTimer_.setInterval(options_.connectTimeoutMs);
  stallTimer_.setInterval(options_.writeStallMs);
  silenceTimer_.setInterval(options_.silenceMs);
  QObject::connect(&retryTimer_, &QTimer::timeout, &socket_, [this] { Connect(); });
  QObject::connect(&connectTimer_, &QTimer::timeout, &socket_,
                   [this] { Lost("no connection within " + WaitText(options_.connectTimeoutMs)); });
  QObject::connect(&stallTimer_, &QTimer::timeout, &socket_,
                   [this] { Lost("sending stalled for " + WaitText(options_.writeStallMs)); });
  QObject::connect(&silenceTimer_, &QTimer::timeout, &socket_,
                   [this] { Lost("nothing heard for " + WaitText(options_.silenceMs)); });
  QObject::connect(&socket_, &QTcpSocket::connected, &socket_, [this] { OnConnected(); });
  QObject::connect(&socket_, &QTcpSocket::readyRead, &socket_, [this] { OnReadyRead(); });
  QObject::connect(&socket_, &QTcpSocket::bytesWritten, &socket_,
                   [this](qint64 count) { OnBytesWritten(count); });
  QObject::connect(&socket_, &QTcpSocket::errorOccurred, &socket_,
                   [this] { Lost(socket_.errorString().toStdString()); });
  QObject::connect(&socket_, &QTcpSocket::disconnected, &socket_,
                   [this] { Lost("the connection was closed"); });
}

// Frames sent last (the killed objects of an unload) leave before the socket closes; a socket
// that goes reports its end, and nothing is left here to hear it.
TcpLink::~TcpLink() {
  if (state_ == State::Connected) socket_.flush();
  socket_.disconnect();
}

// The first try starts as the event loop runs.
void TcpLink::Start(Handlers handlers) {
  handlers_ = std::move(handlers);
  log_(name_ + ": connecting");
  retryTimer_.start(0);
}

void TcpLink::Send(std::string frame) {
  queue_.Push(std::move(frame));
  if (sessionOpen_) Flush();
}

void TcpLink::SendSessionBytes(std::string_view bytes) {
  if (state_ != State::Connected) return;
  Write(std::string(bytes));
  queue_.SessionBytesSent(bytes.size());
}

void TcpLink::OpenSession() {
  if (state_ != State::Connected) return;
  sessionOpen_ = true;
  Flush();
}

void TcpLink::Reconnect(const std::string& reason) {
  Lost(reason);
}

void TcpLink::Connect() {
  state_ = State::Connecting;
  connectTimer_.start();
  socket_.connectToHost(host_, port_);
}

void TcpLink::OnConnected() {
  connectTimer_.stop();
  state_ = State::Connected;
  connectedFor_.start();
  loggedReason_.clear();
  std::string line = name_ + ": connected";
  if (queue_.Waiting() > 0) line += ", " + std::to_string(queue_.Waiting()) + " frames waiting";
  log_(line);
  if (options_.silenceMs > 0) silenceTimer_.start();
  if (handlers_.connected) handlers_.connected();
}

void TcpLink::OnReadyRead() {
  const QByteArray bytes = socket_.readAll();
  if (state_ != State::Connected) return;
  if (options_.silenceMs > 0) silenceTimer_.start();
  handlers_.received(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

void TcpLink::OnBytesWritten(qint64 count) {
  queue_.Written(static_cast<std::size_t>(count));
  // Progress: the peer takes what is sent.
  if (socket_.bytesToWrite() > 0) {
    stallTimer_.start();
  } else {
    stallTimer_.stop();
  }
}

void TcpLink::Write(const std::string& bytes) {
  socket_.write(bytes.data(), static_cast<qint64>(bytes.size()));
  if (!stallTimer_.isActive()) stallTimer_.start();
}

void TcpLink::Flush() {
  while (state_ == State::Connected && queue_.HasWaiting()) Write(queue_.Pop());
  if (queue_.Dropped() > droppedLogged_) {
    log_(name_ + ": " + std::to_string(queue_.Dropped() - droppedLogged_) +
         " frames dropped while the link was down (at most " + std::to_string(options_.queueBound) +
         " wait)");
    droppedLogged_ = queue_.Dropped();
  }
}

// Each way a connection can end comes here, often twice (an error, then the disconnection):
// only the first counts.
void TcpLink::Lost(const std::string& reason) {
  if (state_ == State::Waiting) return;
  const bool wasConnected = state_ == State::Connected;
  state_ = State::Waiting;
  sessionOpen_ = false;
  for (QTimer* timer : {&connectTimer_, &stallTimer_, &silenceTimer_}) timer->stop();
  socket_.abort();
  queue_.Requeue();
  if (wasConnected) {
    if (connectedFor_.elapsed() >= options_.longestRetryMs) nextWaitMs_ = options_.firstRetryMs;
    if (handlers_.lost) handlers_.lost();
  }
  const int wait = NextWait();
  LogRetry(reason, wait);
  retryTimer_.start(wait);
}

int TcpLink::NextWait() {
  const int wait = nextWaitMs_;
  nextWaitMs_ = std::min(options_.longestRetryMs, nextWaitMs_ * 2);
  return wait;
}

void TcpLink::LogRetry(const std::string& reason, int waitMs) {
  if (reason == loggedReason_ && waitMs == loggedWaitMs_) return;
  loggedReason_ = reason;
  loggedWaitMs_ = waitMs;
  log_(name_ + ": " + reason +
       (waitMs == options_.longestRetryMs ? "; trying again every " : "; next try in ") +
       WaitText(waitMs));
}

}  // namespace brevio
