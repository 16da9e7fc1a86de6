// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StreamTextBox.h"

#include "platform/TerminalText.h"

namespace brevio {

void StreamTextBox::Append(std::string_view text) {
  if (out_ == nullptr) return;
  *out_ << TerminalText(text) << std::flush;
}

}  // namespace brevio
