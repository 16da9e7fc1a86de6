// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/net/TcpDevice.h"

#include "host/net/DeviceLink.h"

namespace brevio {

TcpDevice::TcpDevice(const TncAddress& address)
    : address_(FormatTncAddress(address)),
      host_(QString::fromStdString(address.host)),
      port_(address.port) {
  // What the station has not taken yet stays with the system, and TCP slows the peer down,
  // rather than growing here without bound.
  socket_.setReadBufferSize(DeviceLink::kReadBufferBytes);
}

void TcpDevice::Watch(Events events) {
  events_ = std::move(events);
  QObject::connect(&socket_, &QTcpSocket::connected, &socket_, [this] { events_.opened(); });
  QObject::connect(&socket_, &QTcpSocket::errorOccurred, &socket_,
                   [this] { events_.failed(socket_.errorString().toStdString()); });
  QObject::connect(&socket_, &QTcpSocket::disconnected, &socket_,
                   [this] { events_.failed("the connection was closed"); });
}

}  // namespace brevio
