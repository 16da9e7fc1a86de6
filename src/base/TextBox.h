// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brevio {

// A multi-line text box of the main window (a widget, standard error, or a test's memory).
// Texts are ANSI bytes; a CR LF line end counts as two characters.
class TextBox {
 public:
  virtual ~TextBox() = default;

  // The control's name: "txtStatus" or "txtAPRS".
  virtual std::string Name() const = 0;

  // Characters the box holds now.
  virtual std::size_t Length() const = 0;

  // Drops all but the last `count` characters.
  virtual void KeepLast(std::size_t count) = 0;

  // Puts the caret at the end of the content and inserts `text` there.
  virtual void Append(std::string_view text) = 0;
};

}  // namespace brevio
