#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "setup/UrlOpener.h"

namespace brevio::test {

// Records what would be opened instead of starting a browser.
class RecordingUrlOpener : public UrlOpener {
 public:
  std::vector<std::string> opened;
  // Called inside Open, to look at the program's state while the desktop is busy.
  std::function<void()> whileOpening;
  // Thrown by Open after recording, when set.
  std::optional<UrlOpenFailed> failure;

  void Open(const std::string& address) override {
    opened.push_back(address);
    if (whileOpening) whileOpening();
    if (failure) throw *failure;
  }
};

}  // namespace brevio::test
