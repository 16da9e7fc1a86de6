// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>

#include "base/MessageDialog.h"

namespace brevio {

// Message boxes without a window: the title and text go to a stream (standard error).
class StreamMessageDialog : public MessageDialog {
 public:
  explicit StreamMessageDialog(std::ostream& out) : out_(out) {}
  void Show(MessageIcon icon, const std::string& title, const std::string& body) override;

  // A line written after each critical message, such as the way out of it.
  void FollowCriticalWith(std::string line) { followCritical_ = std::move(line); }

 private:
  std::ostream& out_;
  std::string followCritical_;
};

}  // namespace brevio
