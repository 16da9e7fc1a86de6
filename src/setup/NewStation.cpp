// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/NewStation.h"

#include <algorithm>
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
#include "setup/MaidenheadLocator.h"

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

// Latitude and longitude as the host writes them, from two words in any of the forms taken.
std::optional<std::pair<std::string, std::string>> HostCoordinates(std::string lat,
                                                                   std::string lon) {
  if (std::isalpha(static_cast<unsigned char>(lat.back())) != 0) {
    lat = UpperCase(lat);
    lon = UpperCase(lon);
  } else {
    const std::optional<double> north = DecimalNumber(lat);
    const std::optional<double> east = DecimalNumber(lon);
    const std::optional<std::string> written =
        north && east ? FormatAprsPosition({*north, *east}) : std::nullopt;
    if (!written) return std::nullopt;
    lat = written->substr(0, 8);
    lon = written->substr(9, 9);
  }
  if (!IsCoordinate(lat, "NS") || !IsCoordinate(lon, "EW")) return std::nullopt;
  return std::pair{lat, lon};
}

// The words of a position: a comma or a slash between latitude and longitude parts them as a
// blank does, as map sites and APRS reports write them.
std::vector<std::string> PositionWords(std::string position) {
  std::replace_if(
      position.begin(), position.end(), [](char c) { return c == ',' || c == '/'; }, ' ');
  std::istringstream in(position);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

std::optional<std::pair<std::string, std::string>> ReadCoordinates(const std::string& position) {
  const std::vector<std::string> words = PositionWords(position);
  if (words.size() == 2) return HostCoordinates(words[0], words[1]);
  if (words.size() != 1) return std::nullopt;
  const std::optional<std::pair<double, double>> centre = MaidenheadCentre(words[0]);
  const std::optional<std::string> written =
      centre ? FormatAprsPosition({centre->first, centre->second}) : std::nullopt;
  if (!written) return std::nullopt;
  return std::pair{written->substr(0, 8), written->substr(9, 9)};
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

// Each file under a temporary name first; only once every one is whole do they take their
// names, and a rename that fails takes back those before it.
bool WriteAllOrNone(const std::vector<std::pair<fs::path, std::string>>& files) {
  std::error_code error;
  bool ok = true;
  std::vector<fs::path> temporaries;
  for (const auto& [path, text] : files) {
    fs::create_directories(path.parent_path(), error);
    temporaries.push_back(fs::path(path.string() + ".new"));
    std::ofstream file(temporaries.back(), std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    ok = ok && !error && static_cast<bool>(file);
  }
  std::vector<fs::path> renamed;
  for (std::size_t i = 0; ok && i < temporaries.size(); ++i) {
    fs::rename(temporaries[i], files[i].first, error);
    ok = !error;
    if (ok) renamed.push_back(files[i].first);
  }
  for (const fs::path& temporary : temporaries) fs::remove(temporary, error);
  if (!ok) {
    for (const fs::path& target : renamed) fs::remove(target, error);
  }
  return ok;
}

}  // namespace

std::string ReadNewCall(const std::string& call, NewStation& station) {
  const std::string upper = UpperCase(call);
  // What start-up refuses, and what could not be sent from as an AX.25 address.
  if (upper.empty()) return "a call sign is needed, such as N0CALL-10";
  if (upper == "NOCALL") {
    return "call sign '" + call + "' is refused: Error getting station callsign from UIView32.INI";
  }
  if (!IsValidCallSign(upper, CallSignRule::Ax25)) {
    return "call sign '" + call +
           "' is none: 1 to 6 letters or digits, then optionally -SSID of 0 to 15 (N0CALL-10)";
  }
  station.call = upper;
  return {};
}

std::string ReadNewPosition(const std::string& position, NewStation& station) {
  const std::optional<std::pair<std::string, std::string>> read = ReadCoordinates(position);
  if (!read) return "position '" + position + "' is none: " + kPositionForms;
  station.latitude = read->first;
  station.longitude = read->second;
  return {};
}

std::string ReadNewStation(const std::string& call, const std::string& position,
                           NewStation& station) {
  const std::string problem = ReadNewCall(call, station);
  return problem.empty() ? ReadNewPosition(position, station) : problem;
}

std::string WriteNewStation(const std::string& folder, const std::string& topicFolder,
                            const NewStation& station) {
  std::error_code error;
  for (const std::string& dir : {folder, topicFolder}) {
    if (fs::exists(dir, error) && !fs::is_directory(dir, error)) {
      return "folder '" + dir + "' is a file: give a folder for the new station";
    }
  }
  // A new station has sent no message: its first is number 1.
  std::vector<std::pair<fs::path, std::string>> files = {
      {fs::path(folder) / "uiview32.ini", IniText(station)},
      {fs::path(folder) / "overlays/brv.pos", ObjectsText(station)},
      {fs::path(folder) / "brevio-message-number.txt", "0\n"}};
  // Topics already in a folder of their own are the operator's, and serve the new station.
  const fs::path topics = fs::path(topicFolder) / "brv.txt";
  if (topicFolder == folder || !fs::exists(topics, error)) {
    files.emplace_back(topics, TopicsText(station));
  }
  std::string existing;
  for (const auto& [path, text] : files) {
    if (fs::exists(path, error)) existing += " " + path.filename().string();
  }
  if (!existing.empty()) {
    return "folder '" + folder + "' already holds" + existing +
           "; nothing was written (no file is ever overwritten)";
  }
  return WriteAllOrNone(files)
             ? std::string()
             : "folder '" + folder + "' cannot be written: give a folder you may write in";
}

}  // namespace brevio
