// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace brevio {

// What the station sends its own frames with.
struct StationHostOptions {
  // The digipeater path of acks and object reports, of a message for which SendAPRSMessage names
  // no path, and the return path proposed with each remote request: two hops, as far as the
  // server answers from.
  std::string transmitPath = "WIDE1-1,WIDE2-1";
  // The destination of every frame sent: an experimental tocall (APZ...) naming this program.
  std::string toCall = "APZBRV";
};

}  // namespace brevio
