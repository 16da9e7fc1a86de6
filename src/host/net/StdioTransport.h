// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "host/net/DeviceLink.h"
#include "host/net/LinkStatusKeeper.h"
#include "host/net/NonBlockingWriter.h"
#include "host/station/FrameSink.h"
#include "host/station/Tnc2LineReader.h"
#include "host/station/Transport.h"

namespace brevio {

// The station's link over standard input and output, for pipes, demos and tests: TNC2 lines in
// (see Tnc2LineReader), each transmitted frame out as a TNC2 line. The output never holds the
// station up: a reader that stalls loses the oldest frames (see NonBlockingWriter), and one that
// has gone ends the link as the end of the input does. The link has a single port.
class StdioTransport : public Transport {
 public:
  // Reads the descriptor `input` and writes `output`; `log` takes the link's status lines.
  StdioTransport(int input, int output, LinkLog log);

  // Starts reading the input into `sink` as the event loop runs; `inputEnded` runs once, when the
  // input has ended or can no longer be read, or the output can no longer be written.
  void Start(FrameSink& sink, std::function<void()> inputEnded);

  void Transmit(const Tnc2Frame& frame, std::int16_t port) override;
  // Connected from the start; lost for good once the input has ended.
  void Observe(LinkObserver& observer) { status_.Observe(observer); }

  const Tnc2LineReader* Reader() const { return reader_ ? &*reader_ : nullptr; }
  // Frames that were not written because a line end inside them would have split their line.
  std::size_t UnwritableDropped() const { return unwritableDropped_; }
  // Frames dropped because the reader of the output did not take them.
  std::size_t StalledDropped() const { return output_.Dropped(); }

 private:
  void ReadInput();
  void End(const std::string& reason);
  void EndOnNextTurn();

  int input_;
  LinkLog log_;
  NonBlockingWriter output_;
  std::optional<Tnc2LineReader> reader_;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::function<void()> inputEnded_;
  std::size_t unwritableDropped_ = 0;
  bool outputClosed_ = false;
  bool ended_ = false;
  LinkStatusKeeper status_{"stdio"};
};

}  // namespace brevio
