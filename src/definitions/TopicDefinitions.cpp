// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/TopicDefinitions.h"

#include "base/AnsiText.h"
#include "base/PathText.h"
#include "definitions/DefinitionFile.h"

namespace brevio {

namespace {

constexpr std::size_t kLongestTopic = 6;
// The ">" and the longest answer.
constexpr std::size_t kLongestResponseItem = 46;

}  // namespace

void TopicDefinitions::LoadTopicDefinitions() {
  const std::string path = JoinPath(info_.programFolder, "brv.txt");
  log_.LogStatus("loading BRV topic definition from " + path);
  topics_.TopicCount = 0;
  ReadDefinitionFile(path, "Can not open BRV definition file ", messages_,
                     [this](const std::string& item) { UseItem(item); });
}

void TopicDefinitions::UseItem(const std::string& item) {
  if (item.empty()) return;
  switch (item.front()) {
    case '?':
      AddTopic(item);
      break;
    case '>':
      SetResponse(item);
      break;
    default:  // comments ("#") and everything else
      break;
  }
}

void TopicDefinitions::AddTopic(const std::string& item) {
  // The count test comes before the length test: an eleventh topic is always "too many".
  if (topics_.TopicCount >= TopicTable::kCapacity) {
    messages_.ShowCritical("More then " + std::to_string(TopicTable::kCapacity) +
                           " topics defined in BRV.TXT file.");
  }
  ++topics_.TopicCount;
  if (item.size() > kLongestTopic) {
    messages_.ShowCritical("Topic " + item + " is more then " + std::to_string(kLongestTopic) +
                           " characters");
  }
  // The entry now holds another topic: nothing of what it held before may answer for it.
  TopicEntry fresh;
  fresh.strTopic = UpperCase(item);
  topics_[topics_.TopicCount] = fresh;
}

void TopicDefinitions::SetResponse(std::string item) {
  if (item.size() > kLongestResponseItem) {
    item.resize(kLongestResponseItem);
    log_.LogStatus("Response too long, shortened to 45 characters");
  }
  // An answer before the first topic line belongs to no topic.
  if (topics_.TopicCount == 0) return;
  topics_[topics_.TopicCount].strResponse = item.substr(1);
}

}  // namespace brevio
