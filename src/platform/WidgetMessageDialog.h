// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/MessageDialog.h"

class QWidget;

namespace brevio {

// Message boxes as Qt dialogs, modal to the main window.
class WidgetMessageDialog : public MessageDialog {
 public:
  explicit WidgetMessageDialog(QWidget* parent) : parent_(parent) {}
  void Show(MessageIcon icon, const std::string& title, const std::string& body) override;

 private:
  QWidget* parent_;
};

}  // namespace brevio
