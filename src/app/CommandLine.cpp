#include "app/CommandLine.h"

namespace brevio {

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (auto next = arguments.begin(); next != arguments.end(); ++next) {
    const std::string& argument = *next;
    if (argument == "--host-folder" || argument == "--program-folder") {
      if (next + 1 == arguments.end()) {
        line.error = "option '" + argument + "' needs a folder";
        break;
      }
      (argument == "--host-folder" ? line.hostFolder : line.programFolder) = *++next;
    } else if (argument == "--tnc") {
      if (next + 1 == arguments.end() || *(next + 1) != "stdio") {
        line.error = "option '--tnc' needs a link: stdio";
        break;
      }
      line.tnc = *++next;
    } else if (argument == "--headless") {
      line.headless = true;
    } else if (argument == "--help" || argument == "-h") {
      line.showHelp = true;
    } else if (argument == "--version") {
      line.showVersion = true;
    } else if (argument == "--create-xtr") {
      line.createXtr = true;
    } else if (argument == "--echo") {
      line.echo = true;
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
         "  --headless            run without a window; status lines and messages go to\n"
         "                        standard error\n"
         "  --host-folder DIR     the host's folder (uiview32.ini, overlays/brv.pos) instead of\n"
         "                        the stored \"Program Folder\" setting of UI-View32\n"
         "  --program-folder DIR  the program's folder (brv.txt, the help document) instead of\n"
         "                        the executable's folder\n"
         "  --tnc stdio           play the host as a station whose link is standard input (TNC2\n"
         "                        lines heard) and standard output (the frames it sends)\n"
         "  --echo                with --headless: also print the monitored traffic\n"
         "  --create-xtr          write the add-on registration file (XTR) and exit\n"
         "  --version             print the program's version and exit\n"
         "  --help                print this text and exit\n"
         "\n"
         "Headless, signals stand for the menu commands: SIGHUP reloads the definition files,\n"
         "SIGTERM and SIGINT exit, SIGUSR1 turns scanning for QDOS and QUERY messages over.\n";
}

}  // namespace brevio
