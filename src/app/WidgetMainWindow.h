#pragma once

#include "app/MainWindow.h"
#include "app/frmMain.h"

namespace brevio {

// Start-up's view of frmMain.
class WidgetMainWindow : public MainWindow {
 public:
  explicit WidgetMainWindow(frmMain& window) : window_(window) {}

  void SetCaption(const std::string& caption) override;
  void CentreAndShow() override;

 private:
  frmMain& window_;
};

}  // namespace brevio
