#include "platform/StreamMessageDialog.h"

#include "platform/TerminalText.h"

namespace brevio {

void StreamMessageDialog::Show(MessageIcon icon, const std::string& title,
                               const std::string& body) {
  const char* kind = icon == MessageIcon::Critical      ? "critical"
                     : icon == MessageIcon::Information ? "information"
                                                        : "message";
  out_ << "--- " << kind << ": " << title << " ---\n" << TerminalText(body) << "\n---\n";
  if (icon == MessageIcon::Critical && !followCritical_.empty()) {
    out_ << TerminalText(followCritical_) << "\n";
  }
  out_ << std::flush;
}

}  // namespace brevio
