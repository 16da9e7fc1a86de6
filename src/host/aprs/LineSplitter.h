// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brevio {

// Cuts a byte stream, fed in chunks of any size, into lines ended by LF or CR LF, each at most
// `maxLine` bytes without its line end. A longer line is dropped whole and counted, and no
// more than one line's bound of bytes is ever held.
class LineSplitter {
 public:
  explicit LineSplitter(std::size_t maxLine) : maxLine_(maxLine) {}

  // The lines completed by `bytes`, in order, without their line ends.
  std::vector<std::string> Feed(std::string_view bytes);

  // The unfinished last line, if there is one within the bound; the splitter starts afresh.
  std::optional<std::string> Finish();

  std::size_t OverlongDropped() const { return overlongDropped_; }

 private:
  std::string Completed();

  std::size_t maxLine_;
  std::string line_;
  // Set while the rest of an over-long line is being skipped.
  bool discarding_ = false;
  std::size_t overlongDropped_ = 0;
};

}  // namespace brevio
