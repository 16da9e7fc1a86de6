#pragma once

#include <ostream>

#include "base/MessageDialog.h"

namespace brevio {

// Message boxes without a window: the title and text go to a stream (standard error).
class StreamMessageDialog : public MessageDialog {
 public:
  explicit StreamMessageDialog(std::ostream& out) : out_(out) {}
  void Show(MessageIcon icon, const std::string& title, const std::string& body) override;

 private:
  std::ostream& out_;
};

}  // namespace brevio
