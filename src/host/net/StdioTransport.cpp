// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/net/StdioTransport.h"

#include <unistd.h>

#include <QTimer>
#include <array>
#include <cerrno>

#include "host/aprs/Tnc2OutputLine.h"

namespace brevio {

StdioTransport::StdioTransport(int input, int output, LinkLog log)
    : input_(input),
      log_(std::move(log)),
      output_(output,
              {[this] {
                 log_(
                     "stdio: standard output is not read; the oldest frames are dropped (at "
                     "most " +
                     std::to_string(NonBlockingWriter::kMaxWaiting) + " wait)");
               },
               [this](std::size_t dropped) {
                 log_("stdio: standard output is read again; " + std::to_string(dropped) +
                      " frames were dropped");
               },
               [this](const std::string& reason) {
                 log_("stdio: standard output is closed (" + reason +
                      "); frames are no longer "
                      "written");
                 outputClosed_ = true;
                 if (notifier_) EndOnNextTurn();
               }}) {}

void StdioTransport::Start(FrameSink& sink, std::function<void()> inputEnded) {
  sink_ = &sink;
  inputEnded_ = std::move(inputEnded);
  notifier_ = std::make_unique<QSocketNotifier>(input_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { ReadInput(); });
  status_.Set(LinkState::Connected);
  if (outputClosed_) EndOnNextTurn();
}

// Not inside the send that found the output closed: its caller goes on first.
void StdioTransport::EndOnNextTurn() {
  QTimer::singleShot(0, notifier_.get(), [this] { End("the output is closed"); });
}

// One read per readiness notice: it returns what is there without waiting for more, and a
// bounded amount, so the event loop never blocks on the input nor spends a turn on it alone.
void StdioTransport::ReadInput() {
  std::array<char, 4096> buffer;
  const ssize_t count = ::read(input_, buffer.data(), buffer.size());
  if (count > 0) {
    const std::size_t droppedBefore = reader_.Dropped();
    Deliver(reader_.Feed(std::string_view(buffer.data(), static_cast<std::size_t>(count))),
            droppedBefore);
    return;
  }
  if (count < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) return;
  End("the input has ended");
}

void StdioTransport::End(const std::string& reason) {
  if (ended_) return;
  ended_ = true;
  notifier_->setEnabled(false);
  const std::size_t droppedBefore = reader_.Dropped();
  Deliver(reader_.Finish(), droppedBefore);
  status_.Set(LinkState::Lost, reason);
  if (inputEnded_) inputEnded_();
}

void StdioTransport::Deliver(const std::vector<Tnc2Frame>& frames, std::size_t droppedBefore) {
  for (std::size_t n = droppedBefore; n < reader_.Dropped(); ++n) sink_->FrameDropped();
  for (const Tnc2Frame& frame : frames) sink_->FrameReceived(frame, std::nullopt);
}

// A frame that a line end inside would split is not written: no text may forge a line.
void StdioTransport::Transmit(const Tnc2Frame& frame, std::int16_t) {
  if (std::optional<std::string> line = Tnc2OutputLine(frame)) output_.Write(std::move(*line));
}

}  // namespace brevio
