// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace brevio {

// What rules out `path` as a serial device: "'/dev' is a folder", say; empty when it is a
// character device or is missing (a USB or Bluetooth TNC that is not plugged in yet; the link
// tries it until it comes).
std::string SerialPathProblem(const std::string& path);

}  // namespace brevio
