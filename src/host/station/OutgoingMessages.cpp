// SPDX-License-Identifier: GPL-3.0-or-later
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
  waiting_.push_back({StationIdentity(addressee), number, std::string(text), envelope, port, 1,
                      TicksAfter(now, kRetryDelaysMs[0])});
  transport_.Transmit(envelope, port);
  return true;
}

void OutgoingMessages::Acknowledged(std::string_view from, std::string_view number, bool rejected) {
  const std::string station = StationIdentity(from);
  const auto answered = std::find_if(waiting_.begin(), waiting_.end(), [&](const Unacked& m) {
    return m.addressee == station && m.number == number;
  });
  if (answered == waiting_.end()) return;
  Log(station + (rejected ? " rejected message " : " acked message ") + answered->number + ": " +
      answered->text);
  waiting_.erase(answered);
}

void OutgoingMessages::Left(std::string_view info, std::int32_t now) {
  for (Unacked& message : waiting_) {
    if (message.frame.info != info) continue;
    const std::int32_t earliest =
        TicksAfter(now, kRetryDelaysMs[static_cast<std::size_t>(message.tries - 1)]);
    if (TicksBetween(message.due, earliest) > 0) message.due = earliest;
  }
}

// Frames go out only once the list is settled, so a transport that answers at once finds it
// whole.
void OutgoingMessages::Poll(std::int32_t now) {
  std::vector<std::pair<Tnc2Frame, std::int16_t>> due;
  for (Unacked& message : waiting_) {
    if (TicksBetween(message.due, now) < 0) continue;
    if (message.tries == kMaxTries) {
      Log("message " + message.number + " to " + message.addressee + " given up after " +
          std::to_string(kMaxTries) + " tries: " + message.text);
      continue;
    }
    due.emplace_back(message.frame, message.port);
    ++message.tries;
    message.due = TicksAfter(now, kRetryDelaysMs[static_cast<std::size_t>(message.tries - 1)]);
    Log("retry " + std::to_string(message.tries) + " of " + std::to_string(kMaxTries) + " to " +
        message.addressee + ": " + message.text);
  }
  std::erase_if(waiting_, [now](const Unacked& message) {
    return message.tries == kMaxTries && TicksBetween(message.due, now) >= 0;
  });
  for (const auto& [frame, port] : due) transport_.Transmit(frame, port);
}

std::optional<std::int32_t> OutgoingMessages::NextDue() const {
  std::optional<std::int32_t> earliest;
  for (const Unacked& entry : waiting_) earliest = EarlierDeadline(earliest, entry.due);
  return earliest;
}

}  // namespace brevio
