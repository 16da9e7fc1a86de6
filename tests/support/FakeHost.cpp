// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FakeHost.h"

namespace brevio::test {
namespace {

class FakeHostLink : public HostLink {
 public:
  explicit FakeHostLink(FakeHost& host) : host_(host) {}

  void ConnectEvents(HostEvents* events) override { host_.events = events; }

  void DistanceBearing(double lat1, double long1, double lat2, double long2, double& distance,
                       double& bearing, bool flag) override {
    Record("DistanceBearing", {std::to_string(lat1), std::to_string(long1), std::to_string(lat2),
                               std::to_string(long2), flag ? "true" : "false"});
    if (host_.distances.empty()) return;
    distance = host_.distances.front();
    host_.distances.erase(host_.distances.begin());
    bearing = 0.0;
  }

  std::string ReceivedData() override {
    Record("ReceivedData", {});
    return host_.receivedData;
  }

  void GetObjectList(std::vector<std::string>& list) override {
    Record("GetObjectList", {});
    list = host_.objectList;
  }

  void CreateObject(const HostMapObject& object, std::int16_t& status) override {
    Record("CreateObject", {object.Name});
    host_.created.push_back(object);
    status = host_.createStatus;
    if (status == 0) host_.objectList.push_back("*" + object.Name);
  }

  void DeleteObject(const std::string& name, bool flag, std::int32_t& result) override {
    Record("DeleteObject", {name, flag ? "true" : "false"});
    result = 0;
  }

  void SendAPRSMessage(const std::string& destination, const std::string& path, std::int16_t port,
                       const std::string& messageType, std::string text) override {
    host_.messages.push_back({destination, path, port, messageType, std::move(text)});
    Record("SendAPRSMessage", {destination});
  }

 private:
  void Record(const std::string& operation, const std::vector<std::string>& arguments) {
    std::string call = operation + "(";
    for (std::size_t i = 0; i < arguments.size(); ++i) call += (i ? "|" : "") + arguments[i];
    host_.calls.push_back(call + ")");
    if (host_.failing.count(operation)) throw HostCallFailed(operation + " failed");
  }

  FakeHost& host_;
};

}  // namespace

void PrintTo(const SentMessage& message, std::ostream* out) {
  *out << "{" << message.destination << "|" << message.path << "|" << message.port << "|"
       << message.messageType << "|" << message.text << "}";
}

std::unique_ptr<HostLink> FakeHost::Connect() {
  if (refuseConnections) throw HostCallFailed("no host running");
  ++connections;
  return std::make_unique<FakeHostLink>(*this);
}

std::vector<std::string> FakeHost::CallsOf(const std::string& operation) const {
  std::vector<std::string> found;
  for (const std::string& call : calls) {
    if (call.rfind(operation + "(", 0) == 0) found.push_back(call);
  }
  return found;
}

}  // namespace brevio::test
