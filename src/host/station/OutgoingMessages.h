#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/aprs/Tnc2Frame.h"
#include "host/station/Transport.h"

namespace brevio {

// The APRS messages the station sends. Each gets a number of its own (1 to 99999, then 1 again)
// and goes out at once; unacked, it goes out again 30, 60, 120 and 240 seconds after the previous
// try, five tries in all over seven and a half minutes, and is then given up. An ack, a reject
// or a reply-ack from its addressee ends the retries.
class OutgoingMessages {
 public:
  static constexpr int kMaxTries = 5;
  static constexpr std::array<std::int32_t, kMaxTries - 1> kRetryDelaysMs = {30000, 60000, 120000,
                                                                             240000};

  // Replies are throttled, so this many awaiting acks means a run of unanswered ones: the oldest
  // gives up first.
  static constexpr std::size_t kMaxAwaiting = 100;

  explicit OutgoingMessages(Transport& transport) : transport_(transport) {}

  // Numbers the message, fills the information field of `envelope` (which carries source,
  // destination and path) and transmits it on `port`. `theirs`, when the addressee offered
  // reply-acks, is the number of its message, carried after ours ("{NN}MM"). False, with nothing
  // sent, when the addressee cannot be written in a message.
  bool Send(Tnc2Frame envelope, std::string_view addressee, std::string_view text,
            std::int16_t port, std::int32_t now, std::string_view theirs = {});

  // The number the next message takes; it goes on after `number`.
  int NextNumber() const;
  void ContinueAfter(int number) { lastNumber_ = number; }

  // `from` has acked (or rejected) our message `number`.
  void Acknowledged(std::string_view from, std::string_view number);

  // Sends again what is due at `now` and gives up what has had all its tries.
  void Poll(std::int32_t now);

  // When the next retry is due; nothing when no message waits for its ack.
  std::optional<std::int32_t> NextDue() const;

 private:
  struct Unacked {
    std::string addressee;  // its StationIdentity, as acks are matched
    std::string number;
    Tnc2Frame frame;
    std::int16_t port = 0;
    int tries = 0;
    std::int32_t due = 0;
  };

  Transport& transport_;
  std::vector<Unacked> waiting_;
  int lastNumber_ = 0;
};

}  // namespace brevio
