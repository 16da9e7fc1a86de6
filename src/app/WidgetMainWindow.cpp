#include "app/WidgetMainWindow.h"

#include "platform/AnsiQString.h"

namespace brevio {

void WidgetMainWindow::SetCaption(const std::string& caption) {
  window_.setWindowTitle(FromAnsi(caption));
}

void WidgetMainWindow::CentreAndShow() {
  // The frame's size is known only once the window is shown.
  window_.show();
  window_.CentreOnScreen();
}

}  // namespace brevio
