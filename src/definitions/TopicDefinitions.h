// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "base/Messages.h"
#include "base/ProgramInfo.h"
#include "base/StatusLog.h"
#include "definitions/TopicTable.h"

namespace brevio {

// Loads the operator's topics and their answers from brv.txt in the program's folder.
class TopicDefinitions {
 public:
  TopicDefinitions(TopicTable& topics, const ProgramInfo& info, StatusLog& log, Messages& messages)
      : topics_(topics), info_(info), log_(log), messages_(messages) {}

  // Reloads the table. A file that cannot be read, an eleventh topic or a topic name longer than
  // six characters is critical. Entries above the new count keep their old contents.
  void LoadTopicDefinitions();

 private:
  void UseItem(const std::string& item);
  void AddTopic(const std::string& item);
  void SetResponse(std::string item);

  TopicTable& topics_;
  const ProgramInfo& info_;
  StatusLog& log_;
  Messages& messages_;
};

}  // namespace brevio
