// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "host/aprs/LineSplitter.h"
#include "host/aprs/Tnc2Frame.h"

namespace brevio {

// Cuts a byte stream of TNC2 monitor lines (each ended by LF or CR LF), fed in chunks of any
// size, into frames. Calls may be as APRS-IS writes them. Empty lines and lines that begin with
// "#" (comments, as APRS-IS servers send them) are skipped. A line longer than the bound is
// dropped whole, and a line that is no frame is dropped; both are counted.
class Tnc2LineReader {
 public:
  // The line bound of APRS-IS, which is also plenty for any frame heard on the air.
  static constexpr std::size_t kMaxLine = 512;

  // The frames completed by `bytes`, in order.
  std::vector<Tnc2Frame> Feed(std::string_view bytes);

  // The stream has ended: a last line without its line end is still taken.
  std::vector<Tnc2Frame> Finish();

  std::size_t MalformedDropped() const { return malformedDropped_; }
  std::size_t OverlongDropped() const { return splitter_.OverlongDropped(); }
  std::size_t Dropped() const { return MalformedDropped() + OverlongDropped(); }

 private:
  void TakeLine(std::string_view line, std::vector<Tnc2Frame>& frames);

  LineSplitter splitter_{kMaxLine};
  std::size_t malformedDropped_ = 0;
};

}  // namespace brevio
