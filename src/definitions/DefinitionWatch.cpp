// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/DefinitionWatch.h"

#include <filesystem>
#include <limits>

namespace brevio {

namespace {

constexpr std::int32_t kLongestWait = 100;

struct FileState {
  std::int32_t length = 0;
  std::int16_t attributes = 0;
};

// Length and permission bits of a regular file; a file that is missing or is no regular file
// reads as 0 and 0.
FileState LookUp(const std::string& folder, const std::string& name) {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::path(folder) / name;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (error || !std::filesystem::is_regular_file(status)) return {};
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error) return {};
  const auto limit = static_cast<std::uintmax_t>(std::numeric_limits<std::int32_t>::max());
  return {static_cast<std::int32_t>(std::min(size, limit)),
          static_cast<std::int16_t>(static_cast<unsigned>(status.permissions()) & 07777U)};
}

}  // namespace

void DefinitionWatch::StartDefinitionWatch() {
  // A shutdown that came before the watch (a signal during start-up) leaves nothing to serve.
  if (WatchStop != 0) return;
  const FileState start = LookUp(info_.programFolder, "brv.txt");
  WatchedLength = start.length;
  WatchedAttributes = start.attributes;
  WatchStop = 0;
  CheckTopicFileChange(info_.programFolder);
  ChangeHandle = folder_.Create(info_.programFolder);
  if (!ChangeHandle) {
    log_.LogStatus("No change notification for " + info_.programFolder +
                   "; checking the topic file every 100 ms");
  }
  while (WaitForChange()) {
    CheckTopicFileChange(info_.programFolder);
    if (ChangeHandle) folder_.Rearm();
  }
}

bool DefinitionWatch::WaitForChange() {
  while (true) {
    // With a notification the program sleeps until the folder signals or the stop closes it;
    // without one it wakes to check the file.
    const bool signalled = folder_.Wait(ChangeHandle ? FolderWatch::kUntilSignalled : kLongestWait);
    loop_.ProcessPendingEvents();
    if (WatchStop != 0) return false;
    // Without a notification every pass checks the file.
    if (signalled || !ChangeHandle) return true;
  }
}

void DefinitionWatch::StopDefinitionWatch() {
  WatchStop = -1;
  loop_.ProcessPendingEvents();
  // Also ends the wait in progress, which is not bounded while a notification is open.
  folder_.Close();
  ChangeHandle = false;
}

void DefinitionWatch::CheckTopicFileChange(const std::string& folder) {
  const FileState now = LookUp(folder, "brv.txt");
  if (now.length == WatchedLength && now.attributes == WatchedAttributes) return;
  // Stored before the reload, so that one change reloads once however often the folder signals.
  WatchedLength = now.length;
  WatchedAttributes = now.attributes;
  log_.LogStatus("File BRV.TXT has changed, reloading definition files. ");
  LoadBoth();
}

void DefinitionWatch::ReloadDefinition() {
  log_.LogStatus("Reloading definition files. ");
  LoadBoth();
}

void DefinitionWatch::LoadBoth() {
  topicDefinitions_.LoadTopicDefinitions();
  objectDefinitions_.LoadObjectDefinitions();
}

}  // namespace brevio
