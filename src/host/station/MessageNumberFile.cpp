// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/station/MessageNumberFile.h"

#include <cstdio>
#include <fstream>

namespace brevio {

namespace {

constexpr int kLargestNumber = 99999;

}  // namespace

int MessageNumberFile::Load(std::chrono::system_clock::time_point now) {
  std::ifstream file(path_);
  std::string text;
  std::getline(file, text);
  int number = 0;
  for (const char c : text) {
    if (c < '0' || c > '9' || number > kLargestNumber) {
      number = -1;
      break;
    }
    number = number * 10 + (c - '0');
  }
  if (!text.empty() && number >= 0 && number <= kLargestNumber) return number;

  const auto tens =
      std::chrono::duration_cast<std::chrono::seconds>(now.time_since_epoch()).count() / 10;
  const int fromClock = static_cast<int>(tens % kLargestNumber) + 1;
  log_((file.is_open() ? "Message numbers: " + path_ + " holds no number"
                       : "Message numbers: no " + path_) +
       "; starting after " + std::to_string(fromClock));
  return fromClock;
}

bool MessageNumberFile::Save(int number) {
  const std::string temporary = path_ + ".new";
  bool written = false;
  {
    std::ofstream file(temporary, std::ios::trunc);
    file << number << "\n";
    file.flush();
    written = static_cast<bool>(file);
  }
  written = written && std::rename(temporary.c_str(), path_.c_str()) == 0;
  if (!written) {
    std::remove(temporary.c_str());
    if (!saveFailed_)
      log_("Message numbers: cannot write " + path_ +
           "; after a new start they begin from the clock");
  }
  saveFailed_ = !written;
  return written;
}

}  // namespace brevio
