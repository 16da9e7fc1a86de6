#include "host/station/OutgoingMessages.h"

#include <algorithm>

#include "host/aprs/AprsMessage.h"
#include "host/aprs/CallSign.h"
#include "host/station/Ticks.h"

namespace brevio {

namespace {

constexpr int kLargestNumber = 99999;

}  // namespace

int OutgoingMessages::NextNumber() const {
  return lastNumber_ == kLargestNumber ? 1 : lastNumber_ + 1;
}

bool OutgoingMessages::Send(Tnc2Frame envelope, std::string_view addressee, std::string_view text,
                            std::int16_t port, std::int32_t now, std::string_view theirs) {
  const int next = NextNumber();
  const std::string number = std::to_string(next);
  const std::optional<std::string> info = FormatAprsMessage(
      addressee, text, theirs.empty() ? number : number + "}" + std::string(theirs));
  if (!info) return false;
  lastNumber_ = next;
  envelope.info = *info;
  if (waiting_.size() >= kMaxAwaiting) waiting_.erase(waiting_.begin());
  waiting_.push_back(
      {StationIdentity(addressee), number, envelope, port, 1, TicksAfter(now, kRetryDelaysMs[0])});
  transport_.Transmit(envelope, port);
  return true;
}

void OutgoingMessages::Acknowledged(std::string_view from, std::string_view number) {
  const std::string station = StationIdentity(from);
  std::erase_if(waiting_, [&](const Unacked& message) {
    return message.addressee == station && message.number == number;
  });
}

// Frames go out only once the list is settled, so a transport that answers at once finds it
// whole.
void OutgoingMessages::Poll(std::int32_t now) {
  std::vector<std::pair<Tnc2Frame, std::int16_t>> due;
  for (Unacked& message : waiting_) {
    if (TicksBetween(message.due, now) < 0) continue;
    due.emplace_back(message.frame, message.port);
    ++message.tries;
    if (message.tries < kMaxTries) {
      message.due = TicksAfter(now, kRetryDelaysMs[static_cast<std::size_t>(message.tries - 1)]);
    }
  }
  std::erase_if(waiting_, [](const Unacked& message) { return message.tries >= kMaxTries; });
  for (const auto& [frame, port] : due) transport_.Transmit(frame, port);
}

std::optional<std::int32_t> OutgoingMessages::NextDue() const {
  std::optional<std::int32_t> earliest;
  for (const Unacked& entry : waiting_) earliest = EarlierDeadline(earliest, entry.due);
  return earliest;
}

}  // namespace brevio
