// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTcpSocket>

#include "host/net/DeviceLink.h"
#include "host/net/LinkDevice.h"
#include "host/net/TncAddress.h"

namespace brevio {

// A TCP connection to the host and port of a kiss:// or aprsis:// address.
class TcpDevice : public LinkDevice {
 public:
  // Room for a link that is behind to be seen so (see DeviceLink::kBehindAbove).
  static constexpr qint64 kReadBufferBytes = 2 * DeviceLink::kBehindAbove;

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
