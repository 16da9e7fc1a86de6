// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QTimer>

#include "app/StationSummary.h"
#include "app/frmMain.h"

namespace brevio {

// The main window's status bar: the station's summary, rewritten as it changes. Only while the
// link waits for its next try does a one-second timer count down to it.
class WidgetStatusBar {
 public:
  WidgetStatusBar(frmMain& window, StationSummary& summary);

 private:
  void Show();

  StationSummary& summary_;
  QLabel* label_;
  QTimer countdown_;
};

}  // namespace brevio
