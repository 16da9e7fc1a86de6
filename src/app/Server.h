#pragma once

#include <memory>

#include "app/CoreServices.h"
#include "app/StationConfig.h"
#include "definitions/MapObjects.h"
#include "definitions/ObjectDefinitions.h"
#include "definitions/TopicDefinitions.h"
#include "definitions/TopicTable.h"
#include "host/HostLink.h"
#include "query/ReplyContext.h"
#include "query/TopicDispatch.h"

namespace brevio {

// The pieces that serve, from the moment start-up has connected to the host until the program
// ends: the host connection, the station's settings, the topics with their files and map
// objects, the reply addressing and the topic dispatch. Each piece is built over those above it.
struct Server {
  Server(std::unique_ptr<HostLink> link, const CoreServices& services);

  std::unique_ptr<HostLink> mUIV;
  StationConfig station;
  TopicTable topics;
  ReplyContext reply;
  MapObjects objects;
  TopicDefinitions topicDefinitions;
  ObjectDefinitions objectDefinitions;
  TopicDispatch dispatch;
};

}  // namespace brevio
