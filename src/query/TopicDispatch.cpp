// SPDX-License-Identifier: GPL-3.0-or-later
#include "query/TopicDispatch.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/AnsiText.h"
#include "base/HostFailure.h"

namespace brevio {

namespace {

constexpr std::array<std::string_view, 10> kTopicListNames = {"?HELP", "?HEL", "?HE", "?H", "?INFO",
                                                              "?INF",  "?IN",  "?I",  "??", "?"};

constexpr std::size_t kLongestTopicList = 45;

}  // namespace

bool IsTopicListName(std::string_view topic) {
  return std::find(kTopicListNames.begin(), kTopicListNames.end(), topic) != kTopicListNames.end();
}

bool TopicDispatch::DispatchTopic(std::string& topic) {
  topic = UpperCase(topic);
  if (IsTopicListName(topic)) {
    SendTopicList();
    return true;
  }
  if (const std::int16_t position = FindTopic(topic); position > 0) {
    SendReply(topics_[position].strResponse);
    objects_.CreateTopicObject(position);
    return true;
  }
  if (topic == "?TIME" || topic == "?DATE") {
    // Read the date first, as a status line's stamp does.
    const std::string date = clock_.ShortDate();
    SendReply(date + " " + clock_.LongTime());
    return true;
  }
  if (topic == "?VER") {
    SendReply("UIV" + info_.HostVersionText + " " + info_.ProgramVersionText);
    return true;
  }
  if (topic == "?UP") {
    SendReply("BRV server up since " + info_.StartTimeText);
    return true;
  }
  log_.LogStatus("Unknown topic");
  return false;
}

std::int16_t TopicDispatch::FindTopic(const std::string& topic) const {
  std::int16_t found = 0;
  for (std::int16_t i = 1; i <= topics_.TopicCount; ++i) {
    if (topics_[i].strTopic == topic) found = i;
  }
  return found;
}

void TopicDispatch::SendTopicList() {
  std::string list = " ";
  for (std::int16_t i = 1; i <= topics_.TopicCount; ++i) {
    const std::string& name = topics_[i].strTopic;
    if (name.size() + list.size() > kLongestTopicList) {
      SendReply(list);
      list = " ";
    }
    // The leading "?" of each name separates the names.
    list += name;
  }
  SendReply(list);
}

void TopicDispatch::SendReply(const std::string& text) {
  log_.LogStatus("Send msg : " + text + " (len=" + std::to_string(text.size()) +
                 ", digipath = " + reply_.replyPath + "message type = " + reply_.messageType + ")");
  try {
    host_.SendAPRSMessage(reply_.requesterCall, reply_.replyPath, reply_.replyPort,
                          reply_.messageType, text);
  } catch (const HostCallFailed& failure) {
    LogHostFailure(log_, failure);
  }
}

}  // namespace brevio
