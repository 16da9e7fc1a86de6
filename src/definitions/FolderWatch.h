// SPDX-License-Identifier: GPL-3.0-or-later
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

  // A wait bounded by nothing but the folder's signal and Close.
  static constexpr std::int32_t kUntilSignalled = -1;

  // Waits at most `ms` (or kUntilSignalled) for the folder to signal, letting the program's
  // events run meanwhile; a Close run by one of them ends the wait. True when the folder
  // signalled; false when the time ran out, the watch was closed, or there is no notification
  // (an unbounded wait then returns at once, since nothing could end it).
  virtual bool Wait(std::int32_t ms) = 0;

  // Arms the notification again after it signalled.
  virtual void Rearm() = 0;

  // Ends the notification and any wait in progress, with or without a notification.
  virtual void Close() = 0;
};

}  // namespace brevio
