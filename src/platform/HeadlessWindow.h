#pragma once

#include "app/MainWindow.h"

namespace brevio {

// The main window when there is none: headless, start-up's window steps change nothing.
class HeadlessWindow : public MainWindow {
 public:
  void SetCaption(const std::string&) override {}
  void CentreAndShow() override {}
};

}  // namespace brevio
