// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/MapObjects.h"

#include <charconv>

#include "base/BaseCall.h"
#include "base/HostFailure.h"

namespace brevio {

namespace {

constexpr std::int32_t kServerObjectInterval = 60000;
constexpr int kLastCandidateCounter = 99;

// A name is taken when some entry holds it from its second character on (a prefix test).
bool IsTaken(const std::vector<std::string>& objects, const std::string& name) {
  for (const std::string& entry : objects) {
    if (entry.size() > name.size() && entry.compare(1, name.size(), name) == 0) return true;
  }
  return false;
}

char FirstOf(const std::string& text) {
  return text.empty() ? ' ' : text.front();
}

// Milliseconds as seconds in their shortest decimal form (7, 12.345).
std::string Seconds(std::int32_t ms) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, ms / 1000.0).ptr;
  return std::string(text, end);
}

HostMapObject MakeObject(std::string name, float lat, float lon, std::string comment, char symbol,
                         char table) {
  HostMapObject object;
  object.Name = std::move(name);
  object.Latitude = lat;
  object.Longitude = lon;
  object.Comment = std::move(comment);
  object.Symbol = symbol;
  object.SymbolTable = table;
  object.ValueA = -32768;
  object.ValueB = -32768;
  object.FlagA = true;
  return object;
}

}  // namespace

void MapObjects::CreateTopicObject(std::int16_t topicIndex) {
  const TopicEntry& topic = topics_[topicIndex];
  log_.LogStatus("Table = " + topic.strTable);
  log_.LogStatus("Symbol = " + topic.strSymbol);
  if (topic.strObject.empty()) {
    log_.LogStatus("No Object defined for this topic");
    return;
  }
  try {
    // A connection of its own for each placement, not the window's mUIV (the host contract).
    const auto connection = host_.Connect();
    std::vector<std::string> objects;
    connection->GetObjectList(objects);

    // Each candidate is the previous one with the next counter appended: HELP0, HELP01 ...
    std::string name = topic.strObject;
    bool taken = true;
    for (int counter = 0; taken && counter <= kLastCandidateCounter; ++counter) {
      name += std::to_string(counter);
      taken = IsTaken(objects, name);
    }
    if (taken) return;

    std::int16_t status = 0;
    connection->CreateObject(
        MakeObject(name, static_cast<float>(topic.dblLat), static_cast<float>(topic.dblLong),
                   topic.strResponse, FirstOf(topic.strSymbol), FirstOf(topic.strTable)),
        status);
    log_.LogStatus("Create object " + name);
    log_.LogStatus("CreateObject() returned " + std::to_string(status));
    if (status == 0) PlacedObjectNames.at(static_cast<std::size_t>(topicIndex - 1)) = name;
  } catch (const HostCallFailed& failure) {
    LogHostFailure(log_, failure);
  }
}

void MapObjects::CreateServerObject() {
  const std::int32_t now = clock_.TickCount();
  const std::int32_t elapsed = TicksBetween(LastServerObjectTime, now);
  // A negative difference means the last attempt lies more than 24.8 days back.
  if (elapsed >= 0 && elapsed <= kServerObjectInterval) {
    log_.LogStatus("Msg not sent; object created only " + Seconds(elapsed) + " seconds ago.");
    return;
  }
  LastServerObjectTime = now;

  const std::string name = "BRV" + BaseCall(station_.StationCall);
  try {
    const auto connection = host_.Connect();
    std::vector<std::string> objects;
    connection->GetObjectList(objects);
    if (IsTaken(objects, name)) return;

    std::int16_t status = 0;
    connection->CreateObject(
        MakeObject(name, static_cast<float>(station_.StationLat),
                   static_cast<float>(station_.StationLong),
                   "'?\?' to " + station_.StationCall + "=info (DAZudur)", '?', '\\'),
        status);
    log_.LogStatus("Create object " + name);
    log_.LogStatus("CreateObject() returned " + std::to_string(status));
  } catch (const HostCallFailed& failure) {
    LogHostFailure(log_, failure);
  }
}

void MapObjects::DeleteTopicObjects() {
  log_.LogStatus("Start of deleting objects");
  std::unique_ptr<HostLink> connection;
  for (const std::string& name : PlacedObjectNames) {
    if (name.empty()) continue;
    try {
      if (!connection) connection = host_.Connect();
      std::int32_t result = 0;
      connection->DeleteObject(name, true, result);
      log_.LogStatus("Object deleted (" + name + ")");
    } catch (const HostCallFailed& failure) {
      LogHostFailure(log_, failure);
    }
  }
  log_.LogStatus("End of deleting objects");
}

}  // namespace brevio
