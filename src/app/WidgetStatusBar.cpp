// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WidgetStatusBar.h"

#include <QStatusBar>
#include <chrono>

namespace brevio {

WidgetStatusBar::WidgetStatusBar(frmMain& window, StationSummary& summary)
    : summary_(summary), label_(new QLabel(window.statusBar())) {
  window.statusBar()->setObjectName("statusBar");
  label_->setObjectName("lblStationSummary");
  window.statusBar()->addWidget(label_, 1);
  countdown_.setInterval(1000);
  QObject::connect(&countdown_, &QTimer::timeout, [this] { Show(); });
  summary_.OnChange([this] { Show(); });
  Show();
}

void WidgetStatusBar::Show() {
  label_->setText(QString::fromStdString(summary_.Text(std::chrono::system_clock::now())));
  const bool waiting = summary_.Link().state == LinkState::Waiting;
  if (waiting && !countdown_.isActive()) countdown_.start();
  if (!waiting) countdown_.stop();
}

}  // namespace brevio
