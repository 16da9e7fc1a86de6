// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "host/net/SerialPathProblem.h"

namespace brevio {

namespace {

// Takes the link that --tnc names into `line`; returns what is wrong with it instead, if anything.
std::string ReadTnc(const std::string& text, CommandLine& line) {
  const ParsedTncAddress parsed = ParseTncAddress(text);
  if (!parsed.address) return "option '--tnc' " + parsed.problem;
  if (parsed.address->kind == TncAddress::Kind::Serial) {
    const std::string problem = SerialPathProblem(parsed.address->device);
    if (!problem.empty()) {
      return "option '--tnc' needs a serial device such as /dev/ttyUSB0, and " + problem;
    }
  }
  line.tnc = *parsed.address;
  line.tncGiven = true;
  return {};
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (auto next = arguments.begin(); next != arguments.end(); ++next) {
    const std::string& argument = *next;
    if (argument == "--host-folder" || argument == "--program-folder" ||
        argument == "--new-station") {
      if (next + 1 == arguments.end()) {
        line.error = "option '" + argument + "' needs a folder";
        break;
      }
      (argument == "--host-folder"      ? line.hostFolder
       : argument == "--program-folder" ? line.programFolder
                                        : line.newStation) = *++next;
    } else if (argument == "--call" || argument == "--position") {
      if (next + 1 == arguments.end()) {
        line.error = "option '" + argument + "' needs a value";
        break;
      }
      (argument == "--call" ? line.call : line.position) = *++next;
    } else if (argument == "--tnc") {
      if (next + 1 == arguments.end()) {
        line.error = "option '--tnc' needs a link: " + std::string(kTncForms);
        break;
      }
      line.error = ReadTnc(*++next, line);
      if (!line.error.empty()) break;
    } else if (argument == "--headless") {
      line.headless = true;
    } else if (argument == "--help" || argument == "-h") {
      line.showHelp = true;
    } else if (argument == "--version") {
      line.showVersion = true;
    } else if (argument == "--create-xtr") {
      line.createXtr = true;
    } else if (argument == "--check") {
      line.check = true;
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
         "  --new-station DIR     write a new station into DIR (uiview32.ini, overlays/brv.pos,\n"
         "                        brv.txt, or brv.txt into --program-folder), keep its folders\n"
         "                        for the next plain start and exit; asks for\n"
         "  --call CALL           the call sign (N0CALL-10) and\n"
         "  --position POSITION   the position (\"4903.50N 07201.75W\", \"49.0583, -72.0292\" or\n"
         "                        a Maidenhead locator such as FN29bb) unless given\n"
         "  --tnc LINK            the station's link to the radio or the network, one of\n"
         "                          kiss://HOST:PORT    a TNC offering KISS over TCP, such as\n"
         "                                              Direwolf; host port N is KISS port N-1\n"
         "                          aprsis://HOST:PORT  an APRS-IS server, such as\n"
         "                                              rotate.aprs2.net:14580\n"
         "                          serial:PATH[@BAUD]  a TNC offering KISS on a serial port "
         "(USB,\n"
         "                                              Bluetooth, a radio's), such as\n"
         "                                              serial:/dev/ttyUSB0; 9600 baud unless\n"
         "                                              @BAUD says otherwise\n"
         "                          stdio               TNC2 lines heard on standard input,\n"
         "                                              frames sent on standard output\n"
         "                        without --tnc: kiss://127.0.0.1:8001, where Direwolf listens\n"
         "                        by default; a TNC or server that is lost or missing (a serial\n"
         "                        TNC unplugged, say) is tried again\n"
         "  --check               read uiview32.ini, brv.txt and overlays/brv.pos as a start\n"
         "                        would, print what it would say of them and warnings of what\n"
         "                        is surely not meant, and exit: 0 when a start would serve,\n"
         "                        1 when it would stop\n"
         "  --echo                with --headless: also print the monitored traffic\n"
         "  --create-xtr          write the add-on registration file (XTR) and exit\n"
         "  --version             print the program's version and exit\n"
         "  --help                print this text and exit\n"
         "\n"
         "Headless, signals stand for the menu commands: SIGHUP reloads the definition files,\n"
         "SIGTERM and SIGINT exit, SIGUSR1 turns scanning for QDOS and QUERY messages over,\n"
         "SIGUSR2 writes the link, the frames heard and the replies sent as a status line.\n";
}

}  // namespace brevio
