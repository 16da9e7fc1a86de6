// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace brevio {
namespace {

// The parsed line in short: the flags set, the values given and the link, or else the error.
std::string Parsed(const std::vector<std::string>& arguments) {
  const CommandLine l = ParseCommandLine(arguments);
  if (!l.error.empty()) return l.error;
  std::string text;
  for (const auto& [set, name] : {std::pair{l.headless, "headless"},
                                  {l.showHelp, "help"},
                                  {l.showVersion, "version"},
                                  {l.createXtr, "xtr"},
                                  {l.echo, "echo"},
                                  {l.tncGiven, "tnc"}}) {
    if (set) text += std::string(name) + " ";
  }
  for (const auto& [value, name] : {std::pair{&l.hostFolder, "host="},
                                    {&l.programFolder, "program="},
                                    {&l.newStation, "new="},
                                    {&l.call, "call="},
                                    {&l.position, "position="}}) {
    if (*value) text += name + **value + " ";
  }
  return text + FormatTncAddress(l.tnc);
}

TEST(CommandLineTest, ReadsEachArgumentOrSaysWhatIsWrongWithTheFirstBadOne) {
  const std::string forms =
      "option '--tnc' needs a link: stdio, kiss://HOST:PORT, aprsis://HOST:PORT or "
      "serial:PATH[@BAUD]";
  const std::string device = "option '--tnc' needs a serial device such as /dev/ttyUSB0, and ";
  const std::pair<std::vector<std::string>, std::string> lines[] = {
      // Without a link Direwolf's KISS port on this machine.
      {{}, "kiss://127.0.0.1:8001"},
      {{"--headless", "--version", "-h"}, "headless help version kiss://127.0.0.1:8001"},
      {{"--help", "--create-xtr", "--echo"}, "help xtr echo kiss://127.0.0.1:8001"},
      {{"--host-folder", "/srv/uiview", "--program-folder", "."},
       "host=/srv/uiview program=. kiss://127.0.0.1:8001"},
      {{"--host-folder", "--headless"}, "host=--headless kiss://127.0.0.1:8001"},
      {{"--new-station", "/srv/new", "--call", "N0CALL", "--position", "4903.50N/07201.75W"},
       "new=/srv/new call=N0CALL position=4903.50N/07201.75W kiss://127.0.0.1:8001"},
      {{"--tnc", "aprsis://rotate.aprs2.net:14580"}, "tnc aprsis://rotate.aprs2.net:14580"},
      {{"--headless", "--tnc", "stdio"}, "headless tnc stdio"},
      // A serial device that is not there (yet) is a TNC that may be plugged in later.
      {{"--tnc", "serial:/dev/null@57600"}, "tnc serial:/dev/null@57600"},
      {{"--tnc", "serial:/dev/no-tnc-here@57600"}, "tnc serial:/dev/no-tnc-here@57600"},
      {{"--headless", "--program-folder"}, "option '--program-folder' needs a folder"},
      {{"--call"}, "option '--call' needs a value"},
      {{"--tnc"}, forms},
      {{"--tnc", "kiss://localhost"}, forms + ", not 'kiss://localhost'"},
      {{"--tnc", "--headless"}, forms + ", not '--headless'"},
      {{"--tnc", "serial:/"}, device + "'/' is a folder"},
      {{"--tnc", "serial:/proc/self/exe@9600"}, device + "'/proc/self/exe' is a file"},
      {{"--tnc", "serial:/dev/ttyUSB0@1"},
       "option '--tnc' takes a serial speed of 300, 600, 1200, 2400, 4800, 9600, 19200, 38400, "
       "57600, 115200, 230400, 460800 or 921600 baud, not '1'"},
      {{"--headless", "--colour", "--echo"}, "unknown argument '--colour'"}};
  for (const auto& [arguments, parsed] : lines) EXPECT_EQ(Parsed(arguments), parsed) << parsed;
}

}  // namespace
}  // namespace brevio
