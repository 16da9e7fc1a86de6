// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "definitions/ObjectDefinitions.h"
#include "definitions/TopicDefinitions.h"
#include "support/CoreHarness.h"
#include "support/FakeHost.h"
#include "support/TempFolder.h"

namespace brevio::test {

// A station's definition files in temporary folders of its own, with their loaders over a fake
// host: brv.txt goes into `program`, overlays/brv.pos into `hostFiles`.
struct DefinitionFiles : CoreHarness {
  DefinitionFiles() { info.programFolder = program.Path(); }

  TempFolder program;
  TempFolder hostFiles;
  FakeHost host;
  std::unique_ptr<HostLink> link = host.Connector().Connect();
  FixedFolderSetting setting{hostFiles.Path()};
  HostFolder hostFolder{setting, messages};
  StationConfig station;
  TopicTable topics;
  TopicDefinitions topicDefinitions{topics, info, log, messages};
  ObjectDefinitions objectDefinitions{topics, station, *link, hostFolder, log, messages};
};

}  // namespace brevio::test
