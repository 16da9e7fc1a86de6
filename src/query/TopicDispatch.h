// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/Clock.h"
#include "base/ProgramInfo.h"
#include "base/StatusLog.h"
#include "definitions/MapObjects.h"
#include "definitions/TopicTable.h"
#include "host/HostLink.h"
#include "query/ReplyContext.h"

namespace brevio {

// Whether `topic` (upper case) names the built-in list of topics, which is answered before any
// operator topic of the same name.
bool IsTopicListName(std::string_view topic);

// The built-in topics that an operator topic of the same name takes the place of.
inline constexpr std::array<std::string_view, 4> kReplaceableTopics = {"?TIME", "?DATE", "?VER",
                                                                       "?UP"};

// Answers an admitted topic request: the topic list, the built-in topics and the operator's
// topics, each reply sent to the requester that the ReplyContext names.
class TopicDispatch {
 public:
  TopicDispatch(const TopicTable& topics, ReplyContext& reply, const ProgramInfo& info,
                HostLink& host, MapObjects& objects, StatusLog& log, Clock& clock)
      : topics_(topics),
        reply_(reply),
        info_(info),
        host_(host),
        objects_(objects),
        log_(log),
        clock_(clock) {}

  // Upper-cases `topic` in place and answers it. True when the topic is known, also when the
  // host failed to take a reply: the request was answered as far as the server can.
  bool DispatchTopic(std::string& topic);

  // 1-based position of the last topic of that exact name; 0 when there is none.
  std::int16_t FindTopic(const std::string& topic) const;

  // The names of all topics, in as many replies of at most 45 characters as needed.
  void SendTopicList();

  // Logs the send line and hands the text to the host.
  void SendReply(const std::string& text);

 private:
  const TopicTable& topics_;
  ReplyContext& reply_;
  const ProgramInfo& info_;
  HostLink& host_;
  MapObjects& objects_;
  StatusLog& log_;
  Clock& clock_;
};

}  // namespace brevio
