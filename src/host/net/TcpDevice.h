// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTcpSocket>

#include "host/net/LinkDevice.h"
#include "host/net/TncAddress.h"

namespace brevio {

// A TCP connection to the host and port of a kiss:// or aprsis:// address.
class TcpDevice : public LinkDevice {
 public:
  explicit TcpDevice(const TncAddress& address);

  std::string Address() const override { return address_; }
  void Watch(Events events) override;
  void Open() override { socket_.connectToHost(host_, port_); }
  void Close() override { socket_.abort(); }
  void Flush() override { socket_.flush(); }
  QIODevice& Io() override { return socket_; }

 private:
  std::string address_;
  QString host_;
  std::uint16_t port_;
  Events events_;
  QTcpSocket socket_;
};

}  // namespace brevio
