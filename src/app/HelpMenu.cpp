// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpMenu.h"

#include <QAction>

#include "app/frmMain.h"
#include "setup/ProgramCopyright.h"

namespace brevio {

HelpMenu::HelpMenu(frmMain& window, const ProgramInfo& info, UrlOpener& opener)
    : window_(window), info_(info), opener_(opener) {
  connect(window.mnuHelpHelp(), &QAction::triggered, this,
          [this] { OpenHelpDocument(info_.HelpDocumentPath); });
  connect(window.mnuHelpAbout(), &QAction::triggered, this, [this] { ShowAbout(); });
  window.mnuHelpHelp()->setEnabled(true);
  window.mnuHelpAbout()->setEnabled(true);
}

void HelpMenu::OpenHelpDocument(const std::string& path) {
  try {
    opener_.Open(path);
  } catch (const UrlOpenFailed&) {
    // Help that cannot be shown is no reason to bother the user or stop the server.
  }
}

void HelpMenu::ShowAbout() {
  // One about window at a time; a second request leaves the open one as it is. A window just
  // closed is hidden at once and deleted a little later.
  if (about_ != nullptr && about_->isVisible()) return;
  about_ = new frmAbout(info_.ProgramTitle, kProgramCopyright, opener_, &window_);
  about_->show();
}

}  // namespace brevio
