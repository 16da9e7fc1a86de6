// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/station/Station.h"

#include <algorithm>

#include "base/AnsiText.h"
#include "base/BaseCall.h"
#include "base/PathText.h"
#include "host/aprs/CallSign.h"
#include "host/aprs/NetworkRouting.h"
#include "host/aprs/SenderPosition.h"
#include "host/aprs/ThirdPartyFrame.h"
#include "host/aprs/Tnc2Line.h"
#include "host/station/ReceivedDataText.h"
#include "host/station/StationEnvelope.h"
#include "host/station/StationHost.h"
#include "host/station/Ticks.h"

namespace brevio {

namespace {

// The digipeaters a frame came through, comma-separated.
std::string EffectivePath(const Tnc2Frame& frame) {
  std::string path;
  for (const Digipeater& digipeater : frame.path) {
    if (!digipeater.repeated) break;
    if (!path.empty()) path += ",";
    path += digipeater.call;
  }
  return path;
}

// Clears the flag it guards when the frames' events are done, also when one of them throws.
class RaisingScope {
 public:
  explicit RaisingScope(bool& raising) : raising_(raising) { raising_ = true; }
  ~RaisingScope() { raising_ = false; }
  RaisingScope(const RaisingScope&) = delete;
  RaisingScope& operator=(const RaisingScope&) = delete;

 private:
  bool& raising_;
};

}  // namespace

Station::Station(const StationPorts& ports, StationHostOptions options)
    : ports_(ports),
      options_(std::move(options)),
      outgoing_(ports.transport, [this](const std::string& line) { HostLine(line); }),
      objects_(ports.transport, ports.utc),
      beacon_(ports.transport) {}

std::unique_ptr<HostLink> Station::Connect() {
  Config();
  return std::make_unique<StationHost>(*this);
}

const StationHostConfig& Station::Config() {
  if (!config_) {
    config_ = ReadStationHostConfig(ports_.ini,
                                    JoinPath(ports_.hostFolder.GetHostFolder(), "uiview32.ini"));
  }
  return *config_;
}

void Station::ConnectEvents(const HostLink* link, HostEvents* events) {
  std::erase_if(sinks_, [link](const auto& sink) { return sink.first == link; });
  if (events != nullptr) sinks_.emplace_back(link, events);
}

template <typename Raise>
void Station::RaiseEvents(Raise raise) {
  const auto sinks = sinks_;
  for (const auto& sink : sinks) {
    // A handler may have closed or disconnected a connection in the meantime.
    if (std::find(sinks_.begin(), sinks_.end(), sink) != sinks_.end()) raise(*sink.second);
  }
}

void Station::FrameReceived(const Tnc2Frame& frame, std::optional<std::int16_t> port) {
  if (observer_ != nullptr) observer_->FrameHeard();
  if (shedding_.Shed(frame, StationIdentity(Config().call), ports_.log)) {
    if (observer_ != nullptr) observer_->FrameShed();
    return;
  }
  heard_.emplace_back(frame, port.value_or(Config().defaultPort));
  if (raising_) return;
  RaisingScope scope(raising_);
  while (!heard_.empty()) {
    const auto [next, nextPort] = std::move(heard_.front());
    heard_.pop_front();
    Take(next, nextPort);
  }
  for (const std::string& line : std::exchange(heldLines_, {})) ports_.log(line);
}

void Station::Take(Tnc2Frame frame, std::int16_t port) {
  DropNetworkRouting(frame.path);
  if (IsThirdParty(frame)) {
    std::optional<Tnc2Frame> inner = UnwrapThirdParty(frame);
    if (!inner) {
      ports_.log("Third-party frame not understood, dropped: " + FormatTnc2Line(frame));
      return;
    }
    frame = std::move(*inner);
  }
  receivedData_ = FormatReceivedData(frame);
  RaiseEvents([](HostEvents& events) { events.DataAvailable(); });
  if (const std::optional<GeneralQuery> query = ParseGeneralQuery(frame.info)) {
    AnswerGeneralQuery(*query);
    return;
  }

  if (const std::optional<AprsMessage> message = ParseAprsMessage(frame.info)) {
    if (StationIdentity(message->addressee) == StationIdentity(Config().call)) {
      TakeMessage(frame, *message, port);
    }
    return;
  }
  if (const std::optional<AprsPosition> position =
          ParseSenderPosition(frame.destination, frame.info)) {
    RaiseEvents([&](HostEvents& events) {
      std::string call = frame.source;
      float lat = static_cast<float>(position->latitude);
      float lon = static_cast<float>(position->longitude);
      events.NotifyBeacon(call, lat, lon);
    });
  }
}

void Station::TakeMessage(const Tnc2Frame& frame, const AprsMessage& message, std::int16_t port) {
  if (message.kind != AprsMessage::Kind::Message) {
    outgoing_.Acknowledged(frame.source, message.lineNumber,
                           message.kind == AprsMessage::Kind::Reject);
    Reschedule();
    return;
  }
  if (!message.replyAck.empty()) {
    outgoing_.Acknowledged(frame.source, message.replyAck);
    Reschedule();
  }
  // Our replies to a station that offered reply-acks carry its number.
  if (message.number.find('}') != std::string::npos) {
    replyAckPeers_.Heard(StationIdentity(frame.source), message.lineNumber,
                         ports_.clock.TickCount());
  }
  // Every copy is acked: the sender heard none of our earlier acks, or it would not repeat.
  if (!message.number.empty()) SendAck(frame.source, message.number, port);
  if (message.text.empty() || message.text.front() != '?') return;
  if (recent_.IsCopy(frame.source, message, ports_.clock.TickCount())) return;
  if (!RaiseRemoteCommand(frame, message, port)) AnswerStandardQuery(frame, message.text, port);
}

bool Station::RaiseRemoteCommand(const Tnc2Frame& frame, const AprsMessage& message,
                                 std::int16_t port) {
  if (!MayAsk(frame.source)) return false;
  bool answered = false;
  const std::string effectivePath = EffectivePath(frame);
  RaiseEvents([&](HostEvents& events) {
    std::string call = frame.source;
    std::string path = effectivePath;
    std::string returnPath = options_.transmitPath;
    std::int16_t intPort = port;
    std::string type = "A";
    std::string text = message.text;
    bool done = false;
    events.NotifyRemotecommand(call, path, returnPath, intPort, type, text, done);
    answered = answered || done;
  });
  return answered;
}

void Station::SendAck(const std::string& to, const std::string& number, std::int16_t port) {
  const std::optional<std::string> ack = FormatAprsAck(to, number);
  if (!ack) return;
  try {
    Tnc2Frame frame = Envelope("");
    frame.info = *ack;
    ports_.transport.Transmit(frame, port);
  } catch (const HostCallFailed&) {
    // The station's own call cannot be sent; the server hears of it when it sends a message.
  }
}

// "Only me" is the operator, from any of the station's SSIDs.
bool Station::MayAsk(const std::string& sender) {
  switch (Config().remoteCommands) {
    case RemoteCommands::Nobody:
      return false;
    case RemoteCommands::OnlyMe:
      return BaseCall(UpperCase(sender)) == BaseCall(Config().call);
    case RemoteCommands::Anyone:
      return true;
  }
  return false;
}

void Station::HostClosing() {
  RaiseEvents([](HostEvents& events) { events.UIView32IsClosing(); });
}

void Station::Poll() {
  const std::int32_t now = ports_.clock.TickCount();
  outgoing_.Poll(now);
  objects_.Poll(now);
  beacon_.Poll(now);
  Reschedule();
}

void Station::SendAPRSMessage(const std::string& destination, const std::string& path,
                              std::int16_t port, const std::string& messageType,
                              const std::string& text) {
  if (messageType != "A") {
    throw HostCallFailed("the station host sends no messages of type '" + messageType + "'");
  }
  if (text.find_first_of("\r\n") != std::string::npos) {
    throw HostCallFailed("a message text cannot hold a line break");
  }
  if (!numbers_) {
    numbers_.emplace(JoinPath(ports_.hostFolder.GetHostFolder(), "brevio-message-number.txt"),
                     ports_.log);
    outgoing_.ContinueAfter(numbers_->Load(ports_.utc.UtcNow()));
  }
  // Kept before it goes out: a crash right after sending must not give the number again.
  numbers_->Save(outgoing_.NextNumber());
  const std::string theirs =
      replyAckPeers_.LatestNumber(StationIdentity(destination), ports_.clock.TickCount())
          .value_or("");
  if (!outgoing_.Send(Envelope(path), destination, text, port, ports_.clock.TickCount(), theirs)) {
    throw HostCallFailed("'" + destination + "' cannot be the addressee of a message");
  }
  if (observer_ != nullptr) observer_->ReplySent();
  Reschedule();
}

std::int16_t Station::CreateObject(const HostMapObject& object) {
  const std::int16_t status =
      objects_.Create(object, Envelope(""), Config().defaultPort, ports_.clock.TickCount());
  Reschedule();
  return status;
}

bool Station::DeleteObject(const std::string& name) {
  const bool deleted = objects_.Delete(name);
  Reschedule();
  return deleted;
}

Tnc2Frame Station::Envelope(const std::string& path) {
  return StationEnvelope(Config().call, options_.toCall,
                         path.empty() ? options_.transmitPath : path);
}

void Station::Reschedule() {
  const std::optional<std::int32_t> due =
      EarlierDeadline(EarlierDeadline(outgoing_.NextDue(), objects_.NextDue()), beacon_.NextDue());
  if (!due) {
    ports_.timer.SetEnabled(false);
    return;
  }
  ports_.timer.SetInterval(std::max(1, TicksBetween(ports_.clock.TickCount(), *due)));
  ports_.timer.SetEnabled(true);
}

}  // namespace brevio
