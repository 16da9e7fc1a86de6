// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Server.h"

namespace brevio {

Server::Server(std::unique_ptr<HostLink> link, const CoreServices& services,
               const ServingPorts& ports)
    : mUIV(std::move(link)),
      objects(topics, station, services.host, services.log, services.clock),
      topicDefinitions(topics, services.info, services.log, services.messages),
      objectDefinitions(topics, station, *mUIV, services.hostFolder, services.log,
                        services.messages),
      dispatch(topics, reply, services.info, *mUIV, objects, services.log, services.clock),
      remote(ports.gate, dispatch, reply, services.clock, services.log),
      traffic(*mUIV, ports.gate, dispatch, objects, reply, station, services.log,
              ports.window.ScanForQdosMark()),
      watch(services.info, topicDefinitions, objectDefinitions, ports.folderWatch, ports.loop,
            services.log),
      shutdown(watch, objects, ports.window, ports.service, services.log, services.info),
      events(remote, traffic, shutdown),
      xtr(services.hostFolder, services.messages, services.info) {
  mUIV->ConnectEvents(&events);
}

}  // namespace brevio
