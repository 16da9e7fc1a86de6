// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "base/MessageDialog.h"
#include "base/ProgramEnd.h"
#include "base/ProgramInfo.h"

namespace brevio {

enum class MessageKind { Informational, Critical };

// The program's own message boxes. A critical one ends the program once the user has closed it.
class Messages {
 public:
  Messages(MessageDialog& dialog, ProgramEnd& end, const ProgramInfo& info)
      : dialog_(dialog), end_(end), info_(info) {}

  void ShowMessage(MessageKind kind, std::string_view text);

  // ShowMessage(MessageKind::Critical, text), for callers that must not go on after it.
  [[noreturn]] void ShowCritical(std::string_view text);

  // A box of the platform's own making, with the given icon and title, that does not end the
  // program (failures that the user should see but the server survives).
  void ShowPlain(MessageIcon icon, std::string_view title, std::string_view text);

 private:
  MessageDialog& dialog_;
  ProgramEnd& end_;
  const ProgramInfo& info_;
};

}  // namespace brevio
