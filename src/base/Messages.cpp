// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/Messages.h"

#include <cstdlib>
#include <string>

namespace brevio {

void Messages::ShowMessage(MessageKind kind, std::string_view text) {
  if (kind == MessageKind::Critical) ShowCritical(text);
  dialog_.Show(MessageIcon::Information, info_.ProgramTitle + " Informational message",
               "\r\n\r\n" + std::string(text));
}

void Messages::ShowCritical(std::string_view text) {
  dialog_.Show(MessageIcon::Critical, info_.ProgramTitle + " Error message",
               "The following critical error has ocurred, you may want to read the online help "
               "file (" +
                   info_.HelpDocumentPath + ") on this :\r\n\r\n" + std::string(text) +
                   "\r\n\r\nThe program will be stopped");
  end_.EndProgram();
  std::abort();  // not reached: EndProgram does not return
}

void Messages::ShowPlain(MessageIcon icon, std::string_view title, std::string_view text) {
  dialog_.Show(icon, std::string(title), std::string(text));
}

}  // namespace brevio
