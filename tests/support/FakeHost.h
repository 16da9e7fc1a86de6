// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "host/HostLink.h"

namespace brevio::test {

// One message handed to the host's SendAPRSMessage.
struct SentMessage {
  std::string destination;
  std::string path;
  std::int16_t port = 0;
  std::string messageType;
  std::string text;

  bool operator==(const SentMessage&) const = default;
};

void PrintTo(const SentMessage& message, std::ostream* out);

// A scripted host. Every connection made through its connector records its calls, in order,
// into the one shared `calls` list; the script says what the operations give back and which of
// them fail.
class FakeHost : public HostConnector {
 public:
  // What the host gives back. A placed object joins the object list as "*" + name.
  std::vector<std::string> objectList;  // entries as GetObjectList returns them
  std::int16_t createStatus = 0;        // status of every CreateObject
  std::vector<double> distances;        // DistanceBearing results, in turn; none: no answer
  std::string receivedData;             // ReceivedData text
  std::set<std::string> failing;        // operation names that throw HostCallFailed
  bool refuseConnections = false;       // Connect throws HostCallFailed

  // What the server did, one line per call, such as "DeleteObject(HELP0|true)"; a message
  // sent is listed by its destination alone, and in full in `messages`.
  std::vector<std::string> calls;
  std::vector<SentMessage> messages;  // every SendAPRSMessage, a failing one too
  std::vector<HostMapObject> created;
  int connections = 0;
  HostEvents* events = nullptr;  // where the main connection sends events

  HostConnector& Connector() { return *this; }
  std::unique_ptr<HostLink> Connect() override;

  // The calls of one operation only.
  std::vector<std::string> CallsOf(const std::string& operation) const;
};

}  // namespace brevio::test
