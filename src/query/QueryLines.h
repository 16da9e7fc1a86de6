#pragma once

#include <cstdint>
#include <string>

#include "query/DigiPath.h"

namespace brevio {

// Status lines shared by the two kinds of request.
inline constexpr const char* kThrottledLine = "  Throttled down, ignoring this message ";
inline constexpr const char* kBeginQueryLine =
    "= begin query ========================================";
inline constexpr const char* kEndQueryLine = "= end query ========================================";

inline std::string HopsRefusedLine(std::int16_t hops) {
  return " Ignored: hops (" + std::to_string(hops) + ") > max hops (" + std::to_string(kMaxHops) +
         ")";
}

}  // namespace brevio
