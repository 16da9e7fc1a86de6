// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/StreamMessageDialog.h"

#include "base/VisibleText.h"
#include "platform/TerminalText.h"

namespace brevio {

void StreamMessageDialog::Show(MessageIcon icon, const std::string& title,
                               const std::string& body) {
  const char* kind = icon == MessageIcon::Critical      ? "critical"
                     : icon == MessageIcon::Information ? "information"
                                                        : "message";
  out_ << "--- " << kind << ": " << title << " ---\n"
       << TerminalText(VisibleText(body)) << "\n---\n";
  if (icon == MessageIcon::Critical && !followCritical_.empty()) {
    out_ << TerminalText(VisibleText(followCritical_)) << "\n";
  }
  out_ << std::flush;
}

}  // namespace brevio
