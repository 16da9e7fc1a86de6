// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "base/TextBox.h"

namespace brevio {

// A text box without a window: each line goes to a stream (standard error when headless), or
// nowhere. It keeps nothing, so there is never anything to trim.
class StreamTextBox : public TextBox {
 public:
  StreamTextBox(std::string name, std::ostream* out) : name_(std::move(name)), out_(out) {}

  std::string Name() const override { return name_; }
  std::size_t Length() const override { return 0; }
  void KeepLast(std::size_t) override {}
  void Append(std::string_view text) override;

 private:
  std::string name_;
  std::ostream* out_;
};

}  // namespace brevio
