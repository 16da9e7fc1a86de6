#include "app/NewStationCommand.h"

#include <unistd.h>

#include <filesystem>
#include <iostream>

#include "platform/UserHostFolderSetting.h"
#include "setup/NewStation.h"

namespace brevio {

namespace {

// The value given, or the one typed at the terminal; nothing to ask without one.
std::string Ask(const std::optional<std::string>& given, const char* prompt) {
  if (given) return *given;
  std::string answer;
  if (isatty(STDIN_FILENO) != 0) {
    std::cerr << prompt << std::flush;
    std::getline(std::cin, answer);
  }
  return answer;
}

}  // namespace

int RunNewStation(const CommandLine& line) {
  const std::string call = Ask(line.call, "Call sign (such as N0CALL-10): ");
  const std::string position =
      Ask(line.position, "Position (such as 4903.50N 07201.75W or 49.0583 -72.0292): ");
  NewStation station;
  std::string problem = ReadNewStation(call, position, station);
  std::error_code error;
  const std::string folder = std::filesystem::absolute(*line.newStation, error).string();
  if (problem.empty()) problem = WriteNewStation(folder, station);
  if (!problem.empty()) {
    std::cerr << "brevio: " << problem << "\n";
    return 1;
  }
  // The station is whole without the setting (a service names its folder), so this only warns.
  const bool stored = UserHostFolderSetting::Store(folder);
  if (!stored) std::cerr << "brevio: the host folder setting cannot be stored here\n";
  std::cout << "New station " << station.call << " written to " << folder << ". Run it with:\n  "
            << "brevio --headless " << (stored ? "" : "--host-folder '" + folder + "' ")
            << "--program-folder '" << folder << "'\n";
  return 0;
}

}  // namespace brevio
