// SPDX-License-Identifier: GPL-3.0-or-later
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

// The forms of a position the new station takes, as its refusals name them.
inline constexpr const char* kPositionForms =
    "give latitude and longitude as 4903.50N 07201.75W (or 4903.50N/07201.75W), in decimal "
    "degrees as 49.0583 -72.0292 (or 49.0583, -72.0292), or a Maidenhead locator of 4, 6 or 8 "
    "characters such as FN29bb";

// Checks a call by the rules start-up applies; on success fills `station` and returns nothing,
// otherwise one line that names the value and what is allowed.
std::string ReadNewCall(const std::string& call, NewStation& station);

// The same for a position in one of kPositionForms (a locator stands for its square's centre).
std::string ReadNewPosition(const std::string& position, NewStation& station);

// ReadNewCall, then ReadNewPosition: the first problem found.
std::string ReadNewStation(const std::string& call, const std::string& position,
                           NewStation& station);

// Writes uiview32.ini, overlays/brv.pos and the message number of `station` into `folder`, and
// brv.txt into `topicFolder` (which may be `folder`), all or nothing: each under a temporary name
// first, then renamed, and no file that already exists is touched. A brv.txt that a topic folder
// of its own holds already is kept for the new station. Returns nothing on success, otherwise
// why nothing was written (naming the files in the way).
std::string WriteNewStation(const std::string& folder, const std::string& topicFolder,
                            const NewStation& station);

}  // namespace brevio
