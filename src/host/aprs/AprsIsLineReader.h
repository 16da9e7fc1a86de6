// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "host/aprs/AprsIsLogin.h"
#include "host/aprs/LineSplitter.h"
#include "host/aprs/Tnc2Frame.h"

namespace brevio {

// What a line from an APRS-IS server carries that the station acts on.
using AprsIsLine = std::variant<Tnc2Frame, AprsIsLogResponse>;

// Cuts the byte stream of an APRS-IS server, fed in chunks of any size, into lines ended by LF
// or CR LF. A line that begins with "#" is a server comment: the login response is passed on,
// the others (greeting, keep-alives) are skipped. Other lines are TNC2 frames, read with the
// call signs APRS-IS allows. Empty lines are skipped; a line longer than the bound is dropped
// whole, and a line that is no frame is dropped; both are counted.
class AprsIsLineReader {
 public:
  // APRS-IS servers send no longer lines.
  static constexpr std::size_t kMaxLine = 512;

  // The lines completed by `bytes`, in order.
  std::vector<AprsIsLine> Feed(std::string_view bytes);

  // The stream has ended (the connection is gone): an unfinished line is dropped, so that the
  // next connection starts on a line of its own.
  void Reset();

  std::size_t CommentsSkipped() const { return commentsSkipped_; }
  std::size_t MalformedDropped() const { return malformedDropped_; }
  std::size_t OverlongDropped() const { return splitter_.OverlongDropped(); }
  std::size_t Dropped() const { return MalformedDropped() + OverlongDropped(); }

 private:
  void TakeLine(std::string_view line, std::vector<AprsIsLine>& lines);

  LineSplitter splitter_{kMaxLine};
  std::size_t commentsSkipped_ = 0;
  std::size_t malformedDropped_ = 0;
};

}  // namespace brevio
