// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/net/KissTransport.h"

#include "host/aprs/Ax25Frame.h"

namespace brevio {

KissTransport::KissTransport(std::unique_ptr<LinkDevice> device, LinkLog log, LinkOptions options)
    : log_(log), link_("TNC", std::move(device), std::move(log), options) {}

void KissTransport::Start(FrameSink& sink) {
  sink_ = &sink;
  link_.Start({[this] { link_.OpenSession(); },
               [this](std::string_view bytes, bool behind) { Receive(bytes, behind); },
               // A frame cut off by the loss must not run into the first of the next stream.
               [this] { deframer_ = KissDeframer(); },
               [this](const std::string& bytes) {
                 for (const KissFrame& kiss : KissDeframer().Feed(bytes)) {
                   if (auto frame = DecodeAx25UiFrame(kiss.payload).frame) sink_->FrameLeft(*frame);
                 }
               }});
}

void KissTransport::Transmit(const Tnc2Frame& frame, std::int16_t port) {
  const std::optional<std::string> payload = EncodeAx25UiFrame(frame);
  if (!payload) {
    log_(link_.Name() + ": a frame from " + frame.source + " does not fit AX.25; not sent");
    return;
  }
  const int kissPort = port >= 1 && port <= kMaxKissPort + 1 ? port - 1 : 0;
  link_.Send(EncodeKissFrame(kissPort, *payload).value());
}

void KissTransport::Receive(std::string_view bytes, bool behind) {
  sink_->LinkBehind(behind);
  const std::size_t droppedBefore = deframer_.Dropped();
  const std::vector<KissFrame> frames = deframer_.Feed(bytes);
  // Frames the TNC garbled or overran count as dropped, as lines that are no frame do on APRS-IS.
  for (std::size_t n = droppedBefore; n < deframer_.Dropped(); ++n) sink_->FrameDropped();
  for (const KissFrame& kiss : frames) {
    Ax25Decoded decoded = DecodeAx25UiFrame(kiss.payload);
    if (!decoded.frame) {
      ++undecodableDropped_;
      sink_->FrameDropped();
      continue;
    }
    sink_->FrameReceived(*decoded.frame, static_cast<std::int16_t>(kiss.port + 1));
  }
}

}  // namespace brevio
