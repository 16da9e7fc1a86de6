// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "app/CoreServices.h"
#include "app/HostEventRouter.h"
#include "app/MainWindow.h"
#include "app/Shutdown.h"
#include "base/EventLoop.h"
#include "base/ServiceManager.h"
#include "base/StationConfig.h"
#include "definitions/DefinitionWatch.h"
#include "definitions/FolderWatch.h"
#include "definitions/MapObjects.h"
#include "definitions/ObjectDefinitions.h"
#include "definitions/TopicDefinitions.h"
#include "definitions/TopicTable.h"
#include "host/HostLink.h"
#include "query/MonitoredTraffic.h"
#include "query/RemoteRequests.h"
#include "query/ReplyContext.h"
#include "query/RequestGate.h"
#include "query/TopicDispatch.h"
#include "setup/XtrFile.h"

namespace brevio {

// What the serving pieces need beyond the core services.
struct ServingPorts {
  RequestGate& gate;
  FolderWatch& folderWatch;
  EventLoop& loop;
  MainWindow& window;
  ServiceManager& service;
};

// The pieces that serve, from the moment start-up has connected to the host until the program
// ends: the host connection, the station's settings, the topics with their files and map
// objects, the reply addressing, the request handlers, the definition watch and the shutdown.
// Each piece is built over those above it.
struct Server {
  Server(std::unique_ptr<HostLink> link, const CoreServices& services, const ServingPorts& ports);
  ~Server() { mUIV->ConnectEvents(nullptr); }
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  std::unique_ptr<HostLink> mUIV;
  StationConfig station;
  TopicTable topics;
  ReplyContext reply;
  MapObjects objects;
  TopicDefinitions topicDefinitions;
  ObjectDefinitions objectDefinitions;
  TopicDispatch dispatch;
  RemoteRequests remote;
  MonitoredTraffic traffic;
  DefinitionWatch watch;
  Shutdown shutdown;
  HostEventRouter events;
  XtrFile xtr;
};

}  // namespace brevio
