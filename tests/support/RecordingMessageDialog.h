#pragma once

#include <string>
#include <vector>

#include "base/MessageDialog.h"

namespace brevio::test {

struct ShownMessage {
  MessageIcon icon;
  std::string title;
  std::string body;
};

class RecordingMessageDialog : public MessageDialog {
 public:
  std::vector<ShownMessage> shown;

  void Show(MessageIcon icon, const std::string& title, const std::string& body) override {
    shown.push_back({icon, title, body});
  }
};

}  // namespace brevio::test
