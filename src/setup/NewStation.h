#pragma once

#include <string>
#include <vector>

namespace brevio {

// The settings of a new station, as the host writes them.
struct NewStation {
  std::string call;       // upper-cased
  std::string latitude;   // "4903.50N"
  std::string longitude;  // "07201.75W"
};

// Checks a call and a position ("4903.50N 07201.75W", or decimal degrees "49.0583 -72.0292")
// by the rules start-up applies; on success fills `station` and returns nothing, otherwise
// one line that names the value and what is allowed.
std::string ReadNewStation(const std::string& call, const std::string& position,
                           NewStation& station);

// Writes uiview32.ini, overlays/brv.pos, brv.txt and the message number of `station` into
// `folder`, all or nothing:
// each under a temporary name first, then renamed, and no file that already exists is touched.
// Returns nothing on success, otherwise why nothing was written (naming the files in the way).
std::string WriteNewStation(const std::string& folder, const NewStation& station);

}  // namespace brevio
