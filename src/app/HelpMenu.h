// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <string>

#include "base/ProgramInfo.h"
#include "setup/UrlOpener.h"
#include "setup/frmAbout.h"

namespace brevio {

class frmMain;

// The main window's Help menu: "&Help" opens the help document, "&About" the about window.
class HelpMenu : public QObject {
 public:
  // Connects and enables the two commands of `window`.
  HelpMenu(frmMain& window, const ProgramInfo& info, UrlOpener& opener);

  // The open about window, or null.
  frmAbout* About() const { return about_; }

 private:
  void OpenHelpDocument(const std::string& path);
  void ShowAbout();

  frmMain& window_;
  const ProgramInfo& info_;
  UrlOpener& opener_;
  QPointer<frmAbout> about_;
};

}  // namespace brevio
