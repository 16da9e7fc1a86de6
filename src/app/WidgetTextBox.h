// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "base/TextBox.h"

class QPlainTextEdit;

namespace brevio {

// A text box of the main window. It keeps a copy of its content as the server wrote it (with CR
// LF line ends), so that lengths and trims count characters the way the server does.
class WidgetTextBox : public TextBox {
 public:
  explicit WidgetTextBox(QPlainTextEdit& widget) : widget_(widget) {}

  std::string Name() const override;
  std::size_t Length() const override { return content_.size(); }
  void KeepLast(std::size_t count) override;
  void Append(std::string_view text) override;

 private:
  QPlainTextEdit& widget_;
  std::string content_;
};

}  // namespace brevio
