#pragma once

#include <string>

namespace brevio {

// What start-up does to the main window (nothing at all when the program runs headless).
class MainWindow {
 public:
  virtual ~MainWindow() = default;

  virtual void SetCaption(const std::string& caption) = 0;
  virtual void CentreAndShow() = 0;
};

}  // namespace brevio
