// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/net/SerialDevice.h"

#include "host/net/DeviceLink.h"

namespace brevio {

SerialDevice::SerialDevice(const TncAddress& address) : address_(FormatTncAddress(address)) {
  // A full path, which Qt takes as it stands.
  port_.setPortName(QString::fromStdString(address.device));
  port_.setBaudRate(static_cast<qint32>(address.speed));
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::OneStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  port_.setReadBufferSize(DeviceLink::kReadBufferBytes);
}

void SerialDevice::Watch(Events events) {
  events_ = std::move(events);
  // A port that fails to open says so through Open; this hears a port that fails once open,
  // whose text from Qt names whatever failed last on the system, not the port.
  QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                   [this](QSerialPort::SerialPortError error) {
                     if (port_.isOpen() && error != QSerialPort::NoError) {
                       events_.failed("the device was unplugged or has failed");
                     }
                   });
}

void SerialDevice::Open() {
  if (port_.open(QIODevice::ReadWrite)) {
    events_.opened();
  } else {
    events_.failed(port_.errorString().toStdString());
  }
}

}  // namespace brevio
