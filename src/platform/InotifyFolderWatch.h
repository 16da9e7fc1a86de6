// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSocketNotifier>
#include <memory>

#include "definitions/FolderWatch.h"

class QEventLoop;

namespace brevio {

// A folder change notification over inotify. Its wait runs the Qt event loop, so the program's
// events run as they arrive and the wait ends at once when the folder signals.
class InotifyFolderWatch : public FolderWatch {
 public:
  InotifyFolderWatch() = default;
  ~InotifyFolderWatch() override { Close(); }
  InotifyFolderWatch(const InotifyFolderWatch&) = delete;
  InotifyFolderWatch& operator=(const InotifyFolderWatch&) = delete;

  bool Create(const std::string& folder) override;
  bool Wait(std::int32_t ms) override;
  void Rearm() override;
  void Close() override;

 private:
  void Signalled();

  int fd_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
  bool signalled_ = false;
  QEventLoop* waiting_ = nullptr;
};

}  // namespace brevio
