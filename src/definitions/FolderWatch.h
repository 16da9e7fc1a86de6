#pragma once

#include <cstdint>
#include <string>

namespace brevio {

// A change notification on one folder (not its subfolders): names, attributes, sizes, write and
// creation times of the files in it.
class FolderWatch {
 public:
  virtual ~FolderWatch() = default;

  // Starts watching; false when the notification cannot be created.
  virtual bool Create(const std::string& folder) = 0;

  // Waits at most `ms` for the folder to signal, letting the program's events run meanwhile.
  // True when it signalled; false when the time ran out or there is no notification.
  virtual bool Wait(std::int32_t ms) = 0;

  // Arms the notification again after it signalled.
  virtual void Rearm() = 0;

  virtual void Close() = 0;
};

}  // namespace brevio
