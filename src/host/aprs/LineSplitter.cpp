// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/LineSplitter.h"

namespace brevio {

std::vector<std::string> LineSplitter::Feed(std::string_view bytes) {
  std::vector<std::string> lines;
  for (const char c : bytes) {
    if (c == '\n') {
      if (!discarding_) lines.push_back(Completed());
      discarding_ = false;
      line_.clear();
    } else if (!discarding_) {
      line_.push_back(c);
      // One byte over the bound may still be the CR of a CR LF.
      if (line_.size() > maxLine_ + 1 || (line_.size() == maxLine_ + 1 && c != '\r')) {
        discarding_ = true;
        ++overlongDropped_;
        line_.clear();
      }
    }
  }
  return lines;
}

std::optional<std::string> LineSplitter::Finish() {
  std::optional<std::string> rest;
  if (!discarding_ && !line_.empty()) rest = Completed();
  discarding_ = false;
  line_.clear();
  return rest;
}

std::string LineSplitter::Completed() {
  std::string line = std::move(line_);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace brevio
