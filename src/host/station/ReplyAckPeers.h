// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <optional>
#include <string>
#include <unordered_map>

namespace brevio {

// The stations that offered reply-acks, each with the number of its latest message, which our
// replies to it carry. On APRS-IS anyone can send from any call, so what is kept is bounded: a
// station unheard for a day is forgotten (it is a fresh peer when it comes back), and beyond
// the count the one heard longest ago goes first.
class ReplyAckPeers {
 public:
  static constexpr std::int32_t kForgetAfterMs = 24 * 3600 * 1000;
  static constexpr std::size_t kMaxPeers = 1000;

  // `station` (a StationIdentity) offered reply-acks in its message `number` at `now`.
  void Heard(const std::string& station, const std::string& number, std::int32_t now);

  // The number of `station`'s latest message, when it offered reply-acks within the last day.
  std::optional<std::string> LatestNumber(const std::string& station, std::int32_t now);

  std::size_t Size() const { return byStation_.size(); }

 private:
  struct Peer {
    std::string station;
    std::string number;
    std::int32_t heardAt = 0;
  };

  void Forget(std::int32_t now);

  // Heard longest ago first.
  std::list<Peer> peers_;
  std::unordered_map<std::string, std::list<Peer>::iterator> byStation_;
};

}  // namespace brevio
