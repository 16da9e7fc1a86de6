#include "host/net/StdioTransport.h"

#include <unistd.h>

#include <array>
#include <cerrno>

#include "host/station/Tnc2OutputLine.h"

namespace brevio {

void StdioTransport::Start(FrameSink& sink, std::function<void()> inputEnded) {
  reader_.emplace(sink);
  inputEnded_ = std::move(inputEnded);
  notifier_ = std::make_unique<QSocketNotifier>(input_, QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { ReadInput(); });
  status_.Set(LinkState::Connected);
}

// One read per readiness notice: it returns what is there without waiting for more, so the
// event loop never blocks on the input.
void StdioTransport::ReadInput() {
  std::array<char, 4096> buffer;
  const ssize_t count = ::read(input_, buffer.data(), buffer.size());
  if (count > 0) {
    reader_->Feed(std::string_view(buffer.data(), static_cast<std::size_t>(count)));
    return;
  }
  if (count < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK)) return;
  notifier_->setEnabled(false);
  reader_->Finish();
  status_.Set(LinkState::Lost, "the input has ended");
  if (inputEnded_) inputEnded_();
}

void StdioTransport::Transmit(const Tnc2Frame& frame, std::int16_t) {
  const std::optional<std::string> line = Tnc2OutputLine(frame);
  if (!line) {
    ++unwritableDropped_;
    return;
  }
  std::fwrite(line->data(), 1, line->size(), output_);
  std::fflush(output_);
}

}  // namespace brevio
