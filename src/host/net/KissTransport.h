// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "host/aprs/KissDeframer.h"
#include "host/net/DeviceLink.h"
#include "host/station/FrameSink.h"
#include "host/station/Transport.h"

namespace brevio {

// The station's link to a TNC that offers KISS, over TCP as Direwolf does or on a serial port:
// AX.25 UI frames in KISS data frames. Host ports count from 1 and KISS ports from 0, so host
// port N is KISS port N - 1 (host port 1 is the TNC's first channel); a frame for a host port
// with no KISS port (outside 1 to 16) goes out on KISS port 0.
class KissTransport : public Transport {
 public:
  KissTransport(std::unique_ptr<LinkDevice> device, LinkLog log, LinkOptions options = {});

  // Connects as the event loop runs; frames heard go to `sink` with their host port.
  void Start(FrameSink& sink);

  void Transmit(const Tnc2Frame& frame, std::int16_t port) override;
  void Observe(LinkObserver& observer) { link_.Observe(observer); }

  // Frames heard that are no AX.25 UI frame (connected-mode frames, say) or are malformed.
  std::size_t UndecodableDropped() const { return undecodableDropped_; }

 private:
  void Receive(std::string_view bytes, bool behind);

  LinkLog log_;
  DeviceLink link_;
  FrameSink* sink_ = nullptr;
  KissDeframer deframer_;
  std::size_t undecodableDropped_ = 0;
};

}  // namespace brevio
