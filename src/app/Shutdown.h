// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/MainWindow.h"
#include "base/ProgramInfo.h"
#include "base/ServiceManager.h"
#include "base/StatusLog.h"
#include "definitions/DefinitionWatch.h"
#include "definitions/MapObjects.h"

namespace brevio {

// The orderly end of the program: the menu's Exit, the window closed, or the host closing.
class Shutdown {
 public:
  Shutdown(DefinitionWatch& watch, MapObjects& objects, MainWindow& window, ServiceManager& service,
           StatusLog& log, const ProgramInfo& info)
      : watch_(watch),
        objects_(objects),
        window_(window),
        service_(service),
        log_(log),
        info_(info) {}

  // The unload of the main window. Runs once, whichever trigger comes first.
  void Unload();

  // The host's closing event: logged, then the unload, after which the program ends at once.
  void UIView32IsClosing();

  // True once the host asked the program to end, whatever other windows are still open.
  bool EndAtOnce() const { return endAtOnce_; }

 private:
  bool unloaded_ = false;
  bool endAtOnce_ = false;

  DefinitionWatch& watch_;
  MapObjects& objects_;
  MainWindow& window_;
  ServiceManager& service_;
  StatusLog& log_;
  const ProgramInfo& info_;
};

}  // namespace brevio
