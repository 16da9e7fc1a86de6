// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "base/EventLoop.h"
#include "base/ProgramInfo.h"
#include "base/StatusLog.h"
#include "definitions/FolderWatch.h"
#include "definitions/ObjectDefinitions.h"
#include "definitions/TopicDefinitions.h"

namespace brevio {

// Watches the program's folder and reloads both definition files when the topic file changes in
// length or attributes. Its loop is the program's main loop: every event of the program runs
// inside it as it comes, until shutdown stops it. A quiet program sleeps in its wait.
class DefinitionWatch {
 public:
  DefinitionWatch(const ProgramInfo& info, TopicDefinitions& topicDefinitions,
                  ObjectDefinitions& objectDefinitions, FolderWatch& folder, EventLoop& loop,
                  StatusLog& log)
      : info_(info),
        topicDefinitions_(topicDefinitions),
        objectDefinitions_(objectDefinitions),
        folder_(folder),
        loop_(loop),
        log_(log) {}

  // Runs until StopDefinitionWatch has run.
  void StartDefinitionWatch();
  void StopDefinitionWatch();

  void CheckTopicFileChange(const std::string& folder);

  // The menu command "Reload definition".
  void ReloadDefinition();

 private:
  // Waits, running events, until the folder signals (true) or the watch is stopped (false).
  bool WaitForChange();
  void LoadBoth();

  std::int32_t WatchedLength = 0;
  std::int16_t WatchedAttributes = 0;
  std::int32_t WatchStop = 0;
  bool ChangeHandle = false;  // a notification is open

  const ProgramInfo& info_;
  TopicDefinitions& topicDefinitions_;
  ObjectDefinitions& objectDefinitions_;
  FolderWatch& folder_;
  EventLoop& loop_;
  StatusLog& log_;
};

}  // namespace brevio
