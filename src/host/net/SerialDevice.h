// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSerialPort>

#include "host/net/LinkDevice.h"
#include "host/net/TncAddress.h"

namespace brevio {

// The serial port of a serial: address (a USB or Bluetooth TNC, a radio's KISS port, Direwolf's
// pseudo-terminal), at its speed, 8 data bits, no parity, one stop bit, no flow control.
class SerialDevice : public LinkDevice {
 public:
  explicit SerialDevice(const TncAddress& address);

  std::string Address() const override { return address_; }
  void Watch(Events events) override;
  void Open() override;
  void Close() override { port_.close(); }
  void Flush() override { port_.flush(); }
  QIODevice& Io() override { return port_; }

 private:
  std::string address_;
  Events events_;
  QSerialPort port_;
};

}  // namespace brevio
