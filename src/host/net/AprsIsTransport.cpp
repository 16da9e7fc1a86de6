// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/net/AprsIsTransport.h"

#include "host/aprs/AprsIsLogin.h"
#include "host/aprs/AprsIsOutputLine.h"
#include "host/aprs/CallSign.h"
#include "host/aprs/Tnc2Line.h"
#include "host/net/TcpDevice.h"

namespace brevio {

AprsIsTransport::AprsIsTransport(const std::string& host, std::uint16_t port,
                                 std::function<std::string()> loginCall, std::string version,
                                 LinkLog log, AprsIsOptions options)
    : loginCall_(std::move(loginCall)),
      version_(std::move(version)),
      log_(log),
      link_("APRS-IS",
            std::make_unique<TcpDevice>(TncAddress{TncAddress::Kind::AprsIs, host, port}),
            std::move(log), options.link) {
  keepAlive_.setInterval(options.keepAliveMs);
  QObject::connect(&keepAlive_, &QTimer::timeout, &keepAlive_,
                   [this] { link_.SendSessionBytes("# brevio keepalive\r\n"); });
}

void AprsIsTransport::Start(FrameSink& sink) {
  sink_ = &sink;
  link_.Start({[this] { LogIn(); },
               [this](std::string_view bytes, bool behind) { Receive(bytes, behind); },
               [this] {
                 keepAlive_.stop();
                 loggedIn_ = false;
                 reader_.Reset();
               },
               [this](const std::string& line) {
                 const std::string text = line.substr(0, line.find_first_of("\r\n"));
                 if (auto frame = ParseTnc2Line(text, CallSignRule::AprsIs)) {
                   sink_->FrameLeft(*frame);
                 }
               }});
}

void AprsIsTransport::Transmit(const Tnc2Frame& frame, std::int16_t) {
  std::optional<std::string> line = AprsIsOutputLine(frame);
  if (!line) {
    log_(link_.Name() + ": a frame from " + frame.source + " does not fit one line; not sent");
    return;
  }
  link_.Send(std::move(*line));
}

void AprsIsTransport::LogIn() {
  const std::string call = loginCall_();
  if (!IsValidCallSign(call, CallSignRule::AprsIs)) {
    link_.Reconnect("no call sign to log in with");
    return;
  }
  link_.SendSessionBytes(FormatAprsIsLogin(call, version_, AprsIsMessageFilter(call)));
  keepAlive_.start();
}

void AprsIsTransport::Receive(std::string_view bytes, bool behind) {
  sink_->LinkBehind(behind);
  const std::size_t droppedBefore = reader_.Dropped();
  const std::vector<AprsIsLine> lines = reader_.Feed(bytes);
  for (std::size_t n = droppedBefore; n < reader_.Dropped(); ++n) sink_->FrameDropped();
  for (const AprsIsLine& line : lines) {
    if (const auto* response = std::get_if<AprsIsLogResponse>(&line)) {
      LoggedIn(*response);
    } else {
      // A server that feeds frames has taken the login, whether or not it said so.
      if (!loggedIn_) link_.OpenSession();
      loggedIn_ = true;
      sink_->FrameReceived(std::get<Tnc2Frame>(line), std::nullopt);
    }
  }
}

void AprsIsTransport::LoggedIn(const AprsIsLogResponse& response) {
  if (response.rejected) {
    link_.Reconnect("the server rejected the login as " + response.call);
    return;
  }
  std::string text = link_.Name() + ": logged in as " + response.call;
  text += response.verified ? ", verified" : ", not verified (the server passes on no frames)";
  if (!response.server.empty()) text += ", server " + response.server;
  log_(text);
  loggedIn_ = true;
  link_.OpenSession();
}

}  // namespace brevio
