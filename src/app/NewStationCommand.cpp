// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/NewStationCommand.h"

#include <filesystem>
#include <functional>
#include <iostream>

#include "platform/UserHostFolderSetting.h"
#include "platform/UserProgramFolderSetting.h"
#include "setup/NewStation.h"

namespace brevio {

namespace {

using Check = std::function<std::string(const std::string&)>;

// The value given, checked; or one read from standard input, asked for again after each wrong
// answer until one is right or the input ends. False, with the reason said, when none is right.
bool Settle(const std::optional<std::string>& given, const char* prompt, const Check& check) {
  std::string problem = given ? check(*given) : "";
  if (!given) {
    do {
      if (!problem.empty()) std::cerr << "brevio: " << problem << "\n";
      std::cerr << prompt << std::flush;
      std::string answer;
      if (!std::getline(std::cin, answer)) {
        std::cerr << "\nbrevio: no answer\n";
        return false;
      }
      problem = check(answer);
    } while (!problem.empty());
  }
  if (!problem.empty()) std::cerr << "brevio: " << problem << "\n";
  return problem.empty();
}

std::string Absolute(const std::string& folder) {
  std::error_code error;
  return std::filesystem::absolute(folder, error).string();
}

}  // namespace

int RunNewStation(const CommandLine& line) {
  NewStation station;
  // Each answer is checked at once, the call before the position is asked for.
  if (!Settle(line.call, "Call sign (such as N0CALL-10): ",
              [&station](const std::string& call) { return ReadNewCall(call, station); }) ||
      !Settle(line.position, "Position (4903.50N 07201.75W, 49.0583 -72.0292 or FN29bb): ",
              [&station](const std::string& at) { return ReadNewPosition(at, station); })) {
    return 1;
  }
  const std::string folder = Absolute(*line.newStation);
  const std::string topicFolder = line.programFolder ? Absolute(*line.programFolder) : folder;
  const std::string problem = WriteNewStation(folder, topicFolder, station);
  if (!problem.empty()) {
    std::cerr << "brevio: " << problem << "\n";
    return 1;
  }
  // The station is whole without the settings (a service names its folders), so this only warns.
  const bool stored =
      UserHostFolderSetting::Store(folder) && UserProgramFolderSetting::Store(topicFolder);
  if (!stored) std::cerr << "brevio: the folder settings cannot be stored here\n";
  std::cout << "New station " << station.call << " written to " << folder << ". Run it with:\n  "
            << "brevio --headless"
            << (stored ? ""
                       : " --host-folder '" + folder + "' --program-folder '" + topicFolder + "'")
            << "\nand check its files after each change with: brevio --check\n";
  return 0;
}

}  // namespace brevio
