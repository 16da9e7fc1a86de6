// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace brevio {

// The number of the station's last message, kept in the host folder so that a new start (after a
// crash too) goes on from it instead of sending numbers that peers may still be waiting on. Each
// save writes a new file and renames it over the old one, so a crash leaves one whole file.
class MessageNumberFile {
 public:
  using Log = std::function<void(const std::string&)>;

  MessageNumberFile(std::string path, Log log) : path_(std::move(path)), log_(std::move(log)) {}

  // The last number sent (0 for a station that has sent none yet). Without a readable file (said in
  // the log) a number from the clock, one more every ten seconds (round every eleven and a half
  // days): a run that started from the clock too and sent fewer than a message every ten seconds
  // left all its numbers below it.
  int Load(std::chrono::system_clock::time_point now);

  // False, said in the log once, when the file cannot be written.
  bool Save(int number);

 private:
  std::string path_;
  Log log_;
  bool saveFailed_ = false;
};

}  // namespace brevio
