// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/aprs/Tnc2LineReader.h"
#include "host/net/DeviceLink.h"
#include "host/net/LinkStatusKeeper.h"
#include "host/net/NonBlockingWriter.h"
#include "host/station/FrameSink.h"
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

 private:
  void ReadInput();
  // Tells the sink of the lines dropped since the reader's count was `droppedBefore`, then
  // hands it `frames`.
  void Deliver(const std::vector<Tnc2Frame>& frames, std::size_t droppedBefore);
  void End(const std::string& reason);
  void EndOnNextTurn();

  int input_;
  LinkLog log_;
  NonBlockingWriter output_;
  Tnc2LineReader reader_;
  FrameSink* sink_ = nullptr;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::function<void()> inputEnded_;
  bool outputClosed_ = false;
  bool ended_ = false;
  LinkStatusKeeper status_{"stdio"};
};

}  // namespace brevio
