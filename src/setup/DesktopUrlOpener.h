// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "setup/UrlOpener.h"

namespace brevio {

// Opens web addresses and documents with the desktop's default application.
class DesktopUrlOpener : public UrlOpener {
 public:
  void Open(const std::string& address) override;
};

}  // namespace brevio
