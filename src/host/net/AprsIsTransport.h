// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <functional>
#include <string>

#include "host/aprs/AprsIsLineReader.h"
#include "host/net/DeviceLink.h"
#include "host/station/FrameSink.h"
#include "host/station/Transport.h"

namespace brevio {

// How an APRS-IS link watches and keeps its connection.
struct AprsIsOptions {
  // Servers send a comment at least every 20 s or so, so a silent feed has stalled.
  LinkOptions link{.silenceMs = 120000};
  // A comment line sent this often keeps routers on the way from forgetting the connection.
  int keepAliveMs = 300000;
};

// The station's link to an APRS-IS server: TNC2 lines both ways. On each connection it logs in
// with the station's call, its passcode and a filter for the messages the server answers (see
// AprsIsMessageFilter); frames to send wait for the server's login response. Frames go out with
// the path "TCPIP*" (see AprsIsOutputLine). The link has a single port.
class AprsIsTransport : public Transport {
 public:
  // `loginCall` gives the station's call when a connection needs it; `version` names this
  // program's version in the login.
  AprsIsTransport(const std::string& host, std::uint16_t port,
                  std::function<std::string()> loginCall, std::string version, LinkLog log,
                  AprsIsOptions options = {});

  // Connects as the event loop runs; frames heard go to `sink`.
  void Start(FrameSink& sink);

  void Transmit(const Tnc2Frame& frame, std::int16_t port) override;
  void Observe(LinkObserver& observer) { link_.Observe(observer); }

 private:
  void LogIn();
  void Receive(std::string_view bytes, bool behind);
  void LoggedIn(const AprsIsLogResponse& response);

  std::function<std::string()> loginCall_;
  std::string version_;
  LinkLog log_;
  DeviceLink link_;
  QTimer keepAlive_;
  FrameSink* sink_ = nullptr;
  AprsIsLineReader reader_;
  bool loggedIn_ = false;
};

}  // namespace brevio
