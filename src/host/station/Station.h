// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/Clock.h"
#include "base/HostFolder.h"
#include "base/IniReader.h"
#include "base/Timer.h"
#include "host/HostLink.h"
#include "host/aprs/AprsMessage.h"
#include "host/station/FloodShedding.h"
#include "host/station/FrameSink.h"
#include "host/station/MessageNumberFile.h"
#include "host/station/OutgoingMessages.h"
#include "host/station/RecentMessages.h"
#include "host/station/ReplyAckPeers.h"
#include "host/station/StandardQueries.h"
#include "host/station/StationBeacon.h"
#include "host/station/StationHostConfig.h"
#include "host/station/StationHostOptions.h"
#include "host/station/StationObjects.h"
#include "host/station/StationObserver.h"
#include "host/station/Transport.h"
#include "host/station/UtcClock.h"

namespace brevio {

// What the station host needs from the platform.
struct StationPorts {
  IniReader& ini;
  HostFolder& hostFolder;
  Transport& transport;
  Clock& clock;
  UtcClock& utc;
  // Fires when the next retry or object report is due; its tick handler calls Poll.
  Timer& timer;
  // Writes a line to the status log: what the station cannot make sense of, or cannot keep,
  // and what it does on its own.
  std::function<void(const std::string&)> log = [](const std::string&) {};
  // A random delay from 0 to below the bound, in ms.
  std::function<std::int32_t(std::int32_t)> random = RandomBelow;
};

// The station host: plays the host's part for a station on its transport. It holds what every
// connection to it (StationHost) shares: the station's settings, the latest monitored traffic,
// the messages awaiting their acks and the objects on the map. The events of a heard frame go to
// every connection that has connected its events.
//
// For each frame heard: DataAvailable; then, for an APRS message to the station, an ack of each
// numbered copy, the end of retries for whatever it acks, and NotifyRemotecommand for a first
// copy (see RecentMessages) whose text begins with "?" when REMOTE_COMMANDS lets the sender ask;
// for a report of the sender's position in any of its forms (see ParseSenderPosition),
// NotifyBeacon; for a standard query (see StandardQueries) the server did not answer (blnDoneIt
// false), the station's own answer. Its status lines wait while events are raised, so that they
// never fall among the lines the server writes for one event.
class Station : public HostConnector, public FrameSink {
 public:
  Station(const StationPorts& ports, StationHostOptions options = {});

  std::unique_ptr<HostLink> Connect() override;
  void FrameReceived(const Tnc2Frame& frame, std::optional<std::int16_t> port) override;
  void FrameLeft(const Tnc2Frame& frame) override;
  void FrameDropped() override;

  // Starts the position beacon (see StationBeacon), unless [BREVIO] turns it off.
  void StartBeacon();
  // While behind, only what MattersUnderLoad is taken; the rest is shed and counted.
  void LinkBehind(bool behind) override { shedding_.LinkBehind(behind); }

  // The link has ended for good (the end of standard input): the host closes, so each
  // connection gets UIView32IsClosing.
  void HostClosing();

  // The timer's tick: sends the retries and object reports that are due.
  void Poll();

  // The settings from the host's uiview32.ini, read on first use.
  const StationHostConfig& Config();

  // Tells `observer` of each frame heard and each message sent; it replaces any before.
  void Observe(StationObserver& observer) { observer_ = &observer; }

  // What the connections ask of the station.
  void ConnectEvents(const HostLink* link, HostEvents* events);
  const std::string& ReceivedData() const { return receivedData_; }
  void SendAPRSMessage(const std::string& destination, const std::string& path, std::int16_t port,
                       const std::string& messageType, const std::string& text);
  std::int16_t CreateObject(const HostMapObject& object);
  bool DeleteObject(const std::string& name);
  std::vector<std::string> ObjectList() const { return objects_.List(); }

 private:
  void Take(Tnc2Frame frame, std::int16_t port);
  void TakeMessage(const Tnc2Frame& frame, const AprsMessage& message, std::int16_t port);
  // Whether the server has answered the query `message` (its NotifyRemotecommand's blnDoneIt).
  bool RaiseRemoteCommand(const Tnc2Frame& frame, const AprsMessage& message, std::int16_t port);
  void AnswerStandardQuery(const Tnc2Frame& frame, const std::string& text, std::int16_t port);
  void AnswerGeneralQuery(const GeneralQuery& query);
  // Writes a status line of the station's own, or keeps it until the events being raised end.
  void HostLine(const std::string& line);
  void SendAck(const std::string& to, const std::string& number, std::int16_t port);
  bool MayAsk(const std::string& sender);
  // A frame of our own: source, destination and the digipeaters of `path` (the default path when
  // empty). Throws HostCallFailed when a call cannot be sent.
  Tnc2Frame Envelope(const std::string& path);
  void TransmitOwn(std::string info, std::int16_t port);
  void Reschedule();
  // Calls `raise` with the events of each connection that has them.
  template <typename Raise>
  void RaiseEvents(Raise raise);

  StationPorts ports_;
  StationHostOptions options_;
  std::optional<StationHostConfig> config_;
  std::vector<std::pair<const HostLink*, HostEvents*>> sinks_;
  std::string receivedData_;
  OutgoingMessages outgoing_;
  StationObjects objects_;
  StationBeacon beacon_;
  QueryLimiter queryLimiter_;
  RecentMessages recent_;
  // Frames heard while the events of an earlier one run wait here, so that each frame's events
  // see its own ReceivedData.
  std::deque<std::pair<Tnc2Frame, std::int16_t>> heard_;
  bool raising_ = false;
  std::vector<std::string> heldLines_;
  std::size_t dropped_ = 0;
  StationObserver* observer_ = nullptr;
  // Read before the first message is numbered, saved after each.
  std::optional<MessageNumberFile> numbers_;
  ReplyAckPeers replyAckPeers_;
  FloodShedding shedding_;
};

}  // namespace brevio
