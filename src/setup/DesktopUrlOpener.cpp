// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/DesktopUrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/AnsiQString.h"

namespace brevio {

void DesktopUrlOpener::Open(const std::string& address) {
  // An absolute path becomes a file address, anything else is read as a web address. Whether
  // the desktop found an application for it is not our concern.
  QDesktopServices::openUrl(QUrl::fromUserInput(FromAnsi(address)));
}

}  // namespace brevio
