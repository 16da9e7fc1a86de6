#pragma once

#include <QSocketNotifier>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

#include "host/net/LinkStatusKeeper.h"
#include "host/station/FrameSink.h"
#include "host/station/Tnc2LineReader.h"
#include "host/station/Transport.h"

namespace brevio {

// The station's link over standard input and output, for pipes, demos and tests: TNC2 lines in
// (see Tnc2LineReader), each transmitted frame out as a TNC2 line, flushed at once. The link has
// a single port.
class StdioTransport : public Transport {
 public:
  // Reads `input` (a file descriptor) and writes `output`.
  StdioTransport(int input, std::FILE* output) : input_(input), output_(output) {}

  // Starts reading the input into `sink` as the event loop runs; `inputEnded` runs once, when the
  // input has ended or can no longer be read.
  void Start(FrameSink& sink, std::function<void()> inputEnded);

  void Transmit(const Tnc2Frame& frame, std::int16_t port) override;
  // Connected from the start; lost for good once the input has ended.
  void Observe(LinkObserver& observer) { status_.Observe(observer); }

  const Tnc2LineReader* Reader() const { return reader_ ? &*reader_ : nullptr; }
  // Frames that were not written because a line end inside them would have split their line.
  std::size_t UnwritableDropped() const { return unwritableDropped_; }

 private:
  void ReadInput();

  int input_;
  std::FILE* output_;
  std::optional<Tnc2LineReader> reader_;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::function<void()> inputEnded_;
  std::size_t unwritableDropped_ = 0;
  LinkStatusKeeper status_{"stdio"};
};

}  // namespace brevio
