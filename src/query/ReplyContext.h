// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace brevio {

// The addressing of the request being answered, shared by all requests: each request handler
// fills it before it dispatches, and nothing ever clears it.
struct ReplyContext {
  std::string requesterCall;
  std::string replyPath;
  std::int16_t replyPort = 0;
  std::string messageType;
};

}  // namespace brevio
