// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>
#include <functional>
#include <string>

namespace brevio {

// What a DeviceLink keeps up: a TCP connection or a serial port. It opens and closes, and says
// when it has opened or failed; the bytes go through its IO device.
class LinkDevice {
 public:
  struct Events {
    std::function<void()> opened;
    // It could not be opened, or it has gone, for `reason` (a text for the status log).
    std::function<void(const std::string& reason)> failed;
  };

  virtual ~LinkDevice() = default;

  // As --tnc names it: "kiss://127.0.0.1:8001", "serial:/dev/ttyUSB0@9600"...
  virtual std::string Address() const = 0;
  // Where it reports; given once, before it is first opened.
  virtual void Watch(Events events) = 0;
  // Starts opening it; it reports at once or as the event loop runs.
  virtual void Open() = 0;
  // Closes it and drops what it holds unsent.
  virtual void Close() = 0;
  // Passes what it holds to the system, as far as that goes without waiting.
  virtual void Flush() = 0;
  virtual QIODevice& Io() = 0;
};

}  // namespace brevio
