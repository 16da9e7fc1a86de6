#include "app/CommandLine.h"

namespace brevio {

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (const std::string& argument : arguments) {
    if (argument == "--headless") {
      line.headless = true;
    } else if (argument == "--help" || argument == "-h") {
      line.showHelp = true;
    } else if (argument == "--version") {
      line.showVersion = true;
    } else {
      line.error = "unknown argument '" + argument + "'";
      break;
    }
  }
  return line;
}

std::string UsageText() {
  return "Usage: brevio [options]\n"
         "Answers APRS queries (?HELP, ?TIME, operator topics...) for one station.\n"
         "\n"
         "Options:\n"
         "  --headless   run without a window; status lines and messages go to standard error\n"
         "  --version    print the program's version and exit\n"
         "  --help       print this text and exit\n";
}

}  // namespace brevio
