#include "app/Server.h"

namespace brevio {

Server::Server(std::unique_ptr<HostLink> link, const CoreServices& services)
    : mUIV(std::move(link)),
      objects(topics, station, services.host, services.log, services.clock),
      topicDefinitions(topics, services.info, services.log, services.messages),
      objectDefinitions(topics, station, *mUIV, services.hostFolder, services.log,
                        services.messages),
      dispatch(topics, reply, services.info, *mUIV, objects, services.log, services.clock) {}

}  // namespace brevio
