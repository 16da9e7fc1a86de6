// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/aprs/Tnc2Frame.h"
#include "host/station/Transport.h"

namespace brevio {

// The APRS messages the station sends. Each gets a number of its own (1 to 99999, then 1 again)
// and goes out at once; unacked, it goes out again 31, 62, 124 and 248 seconds after the previous
// copy left, five tries in all, and is given up when no answer came 248 seconds after the last.
// Digipeaters and APRS-IS servers drop a copy within 30 s (in whole seconds) of the one before,
// so no copy follows another within 31 s, counted from when each left the link (a copy waiting
// for a link that is down leaves only when it returns). An ack, a reject or a reply-ack from its
// addressee ends the retries. Retries, answers and give-ups are told to the status log.
class OutgoingMessages {
 public:
  static constexpr int kMaxTries = 5;
  // The wait after each try: before the next one, and after the last before giving up.
  static constexpr std::array<std::int32_t, kMaxTries> kRetryDelaysMs = {31000, 62000, 124000,
                                                                         248000, 248000};

  // Replies are throttled, so this many awaiting acks means a run of unanswered ones: the oldest
  // gives up first.
  static constexpr std::size_t kMaxAwaiting = 100;

  explicit OutgoingMessages(Transport& transport, std::function<void(const std::string&)> log = {})
      : transport_(transport), log_(std::move(log)) {}

  // Numbers the message, fills the information field of `envelope` (which carries source,
  // destination and path) and transmits it on `port`. `theirs`, when the addressee offered
  // reply-acks, is the number of its message, carried after ours ("{NN}MM"). False, with nothing
  // sent, when the addressee cannot be written in a message.
  bool Send(Tnc2Frame envelope, std::string_view addressee, std::string_view text,
            std::int16_t port, std::int32_t now, std::string_view theirs = {});

  // The number the next message takes; it goes on after `number`.
  int NextNumber() const;
  void ContinueAfter(int number) { lastNumber_ = number; }

  // `from` has acked (or, `rejected`, refused) our message `number`.
  void Acknowledged(std::string_view from, std::string_view number, bool rejected = false);

  // A frame with information field `info` has left the link at `now`: a copy of a message waits
  // its full delay from then.
  void Left(std::string_view info, std::int32_t now);

  // Sends again what is due at `now` and gives up what has had all its tries.
  void Poll(std::int32_t now);

  // When the next retry is due; nothing when no message waits for its ack.
  std::optional<std::int32_t> NextDue() const;

 private:
  struct Unacked {
    std::string addressee;  // its StationIdentity, as acks are matched
    std::string number;
    std::string text;
    Tnc2Frame frame;
    std::int16_t port = 0;
    int tries = 0;
    std::int32_t due = 0;
  };

  void Log(const std::string& line) const {
    if (log_) log_(line);
  }

  Transport& transport_;
  std::function<void(const std::string&)> log_;
  std::vector<Unacked> waiting_;
  int lastNumber_ = 0;
};

}  // namespace brevio
