#include "setup/NewStation.h"

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "base/AnsiText.h"
#include "base/ParseCoordinate.h"
#include "host/aprs/AprsPosition.h"
#include "host/aprs/CallSign.h"

namespace brevio {

namespace {

namespace fs = std::filesystem;

// A whole text that is a decimal number, such as -72.0292.
std::optional<double> DecimalNumber(const std::string& text) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size() || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

bool IsCoordinate(const std::string& text, std::string_view letters) {
  return !text.empty() && ParseCoordinate(text).wellFormed &&
         letters.find(text.back()) != std::string_view::npos;
}

std::string ReadPosition(const std::string& position, NewStation& station) {
  std::istringstream words(position);
  std::string lat;
  std::string lon;
  std::string more;
  words >> lat >> lon;
  if (!(words >> more) && !lat.empty() && !lon.empty()) {
    if (std::isalpha(static_cast<unsigned char>(lat.back())) != 0) {
      lat = UpperCase(lat);
      lon = UpperCase(lon);
    } else {
      const std::optional<double> north = DecimalNumber(lat);
      const std::optional<double> east = DecimalNumber(lon);
      const std::optional<std::string> written =
          north && east ? FormatAprsPosition({*north, *east}) : std::nullopt;
      if (written) {
        lat = written->substr(0, 8);
        lon = written->substr(9, 9);
      }
    }
    if (IsCoordinate(lat, "NS") && IsCoordinate(lon, "EW")) {
      station.latitude = lat;
      station.longitude = lon;
      return {};
    }
  }
  return "position '" + position +
         "' is none: give latitude and longitude as 4903.50N 07201.75W or in decimal degrees "
         "as 49.0583 -72.0292";
}

// Brevio's own keys, which UI-View32 does not read: the station's position beacon.
constexpr const char* kBeaconSection =
    "; The position beacon that shows the station on the map and to the IGates around it:\r\n"
    "; BEACON=0 turns it off; BEACON_INTERVAL in minutes (10 at least, 30 suits a fixed\r\n"
    "; station); BEACON_SYMBOL the symbol table and code (/- a house); BEACON_COMMENT up to 43\r\n"
    "; characters that tell what the station offers.\r\n"
    "[BREVIO]\r\nBEACON=1\r\nBEACON_INTERVAL=30\r\nBEACON_SYMBOL=/-\r\n"
    "BEACON_COMMENT=Query server: message ?HELP for topics\r\n";

// Each file opens with a comment on what it holds and how to change it.
std::string IniText(const NewStation& s) {
  return "; The station's settings, read at start-up: call sign, position (DDMM.hhN, "
         "DDDMM.hhW),\r\n"
         "; who may ask (REMOTE_COMMANDS=2: anyone) and the radio port of the replies.\r\n"
         "[STATION]\r\nCALLSIGN=" +
         s.call + "\r\nLATITUDE=" + s.latitude + "\r\nLONGITUDE=" + s.longitude +
         "\r\n[MESSAGES]\r\nREMOTE_COMMANDS=2\r\nNOT_FROM_ME=FALSE\r\nDEFAULT_PORT=1\r\n" +
         kBeaconSection;
}

std::string ObjectsText(const NewStation& s) {
  return "* Map objects of the topics: NAME!position and symbol as an APRS report writes them.\r\n"
         "* An object is placed when its topic is asked for, if within 25 km of the station.\r\n"
         "CLUB!" +
         s.latitude + "/" + s.longitude + "-\r\n";
}

std::string TopicsText(const NewStation& s) {
  // No comma in a comment: commas part the items of this file.
  return "# Topics of " + s.call +
         ": a line ?NAME (6 characters at most) and then its answer\r\n"
         "# >TEXT (45 characters at most). Save the file and the station reloads it.\r\n"
         "?CLUB\r\n>" +
         s.call +
         " club station: ask ?NET\r\n"
         "?NET\r\n>Net every Thursday 20:00 local time\r\n";
}

}  // namespace

std::string ReadNewStation(const std::string& call, const std::string& position,
                           NewStation& station) {
  const std::string upper = UpperCase(call);
  // What start-up refuses, and what could not be sent from as an AX.25 address.
  if (upper.empty() || upper == "NOCALL") {
    return "call sign '" + call + "' is refused: Error getting station callsign from UIView32.INI";
  }
  if (!IsValidCallSign(upper, CallSignRule::Ax25)) {
    return "call sign '" + call +
           "' is none: 1 to 6 letters or digits, then optionally -SSID of 0 to 15 (N0CALL-10)";
  }
  station.call = upper;
  return ReadPosition(position, station);
}

std::string WriteNewStation(const std::string& folder, const NewStation& station) {
  std::error_code error;
  if (fs::exists(folder, error) && !fs::is_directory(folder, error)) {
    return "folder '" + folder + "' is a file: give a folder for the new station";
  }
  // A new station has sent no message: its first is number 1.
  const std::pair<std::string, std::string> files[] = {{"uiview32.ini", IniText(station)},
                                                       {"overlays/brv.pos", ObjectsText(station)},
                                                       {"brv.txt", TopicsText(station)},
                                                       {"brevio-message-number.txt", "0\n"}};
  std::string existing;
  for (const auto& [name, text] : files) {
    if (fs::exists(fs::path(folder) / name, error)) existing += " " + name;
  }
  if (!existing.empty()) {
    return "folder '" + folder + "' already holds" + existing +
           "; nothing was written (no file is ever overwritten)";
  }
  fs::create_directories(fs::path(folder) / "overlays", error);
  bool ok = !error;
  std::vector<fs::path> temporaries;
  for (const auto& [name, text] : files) {
    if (!ok) break;
    temporaries.push_back(fs::path(folder) / (name + ".new"));
    std::ofstream file(temporaries.back(), std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    ok = static_cast<bool>(file);
  }
  // Only once every file is whole do they take their names; a rename that fails takes back
  // those before it.
  std::vector<fs::path> renamed;
  for (std::size_t i = 0; ok && i < temporaries.size(); ++i) {
    const fs::path target = fs::path(folder) / files[i].first;
    fs::rename(temporaries[i], target, error);
    ok = !error;
    if (ok) renamed.push_back(target);
  }
  for (const fs::path& temporary : temporaries) fs::remove(temporary, error);
  if (!ok) {
    for (const fs::path& target : renamed) fs::remove(target, error);
    return "folder '" + folder + "' cannot be written: give a folder you may write in";
  }
  return {};
}

}  // namespace brevio
