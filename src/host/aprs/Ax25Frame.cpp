// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/aprs/Ax25Frame.h"

#include <vector>

#include "host/aprs/CallSign.h"
#include "host/aprs/Tnc2Line.h"

namespace brevio {

namespace {

constexpr std::size_t kAddressSize = 7;
constexpr std::size_t kCallSize = 6;
constexpr std::size_t kMaxAddresses = 2 + kMaxAx25Digipeaters;
constexpr unsigned char kUiControl = 0x03;
constexpr unsigned char kNoLayer3Pid = 0xF0;
constexpr unsigned char kCommandOrRepeatedBit = 0x80;
constexpr unsigned char kReservedBits = 0x60;
constexpr unsigned char kLastAddressBit = 0x01;

unsigned char Byte(std::string_view bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]);
}

std::string HexByte(unsigned char value) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  return std::string("0x") + kDigits[value >> 4] + kDigits[value & 0x0F];
}

Ax25Decoded Fault(std::string text) {
  return {std::nullopt, std::move(text)};
}

struct Address {
  std::string call;
  // The C bit of the destination and source, the H bit of a digipeater.
  bool highBit = false;
};

// The call of one 7-byte address: letters and digits, blank padding only at the end.
std::optional<Address> ReadAddress(std::string_view field) {
  std::string base;
  bool padding = false;
  for (std::size_t i = 0; i < kCallSize; ++i) {
    const unsigned char shifted = Byte(field, i);
    const char c = static_cast<char>(shifted >> 1);
    if ((shifted & 1) != 0) return std::nullopt;
    if (c == ' ') {
      padding = true;
      continue;
    }
    const bool callCharacter = (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (padding || !callCharacter) return std::nullopt;
    base += c;
  }
  if (base.empty()) return std::nullopt;
  const unsigned char ssidByte = Byte(field, kCallSize);
  return Address{JoinAx25CallSign(base, (ssidByte >> 1) & 0x0F),
                 (ssidByte & kCommandOrRepeatedBit) != 0};
}

bool AppendAddress(std::string& bytes, std::string_view call, bool highBit, bool last) {
  const std::optional<Ax25CallSign> split = SplitAx25CallSign(call);
  if (!split) return false;
  std::string padded = split->base;
  padded.resize(kCallSize, ' ');
  for (const char c : padded) bytes += static_cast<char>(c << 1);
  unsigned ssidByte = kReservedBits | static_cast<unsigned>(split->ssid << 1);
  if (highBit) ssidByte |= kCommandOrRepeatedBit;
  if (last) ssidByte |= kLastAddressBit;
  bytes += static_cast<char>(ssidByte);
  return true;
}

}  // namespace

Ax25Decoded DecodeAx25UiFrame(std::string_view bytes) {
  std::vector<Address> addresses;
  std::size_t offset = 0;
  bool lastAddress = false;
  while (!lastAddress) {
    if (addresses.size() == kMaxAddresses) return Fault("more than 8 digipeaters");
    if (bytes.size() - offset < kAddressSize) return Fault("frame ends inside the address field");
    const std::string_view field = bytes.substr(offset, kAddressSize);
    const std::optional<Address> address = ReadAddress(field);
    if (!address) {
      return Fault("bad character in address " + std::to_string(addresses.size() + 1));
    }
    addresses.push_back(*address);
    lastAddress = (Byte(field, kCallSize) & kLastAddressBit) != 0;
    offset += kAddressSize;
  }
  if (addresses.size() < 2) return Fault("address field ends after the destination");
  if (offset == bytes.size()) return Fault("frame ends before the control field");
  if (Byte(bytes, offset) != kUiControl) {
    return Fault("control " + HexByte(Byte(bytes, offset)) + " is not a UI frame");
  }
  if (offset + 1 == bytes.size()) return Fault("frame ends before the PID");
  if (Byte(bytes, offset + 1) != kNoLayer3Pid) {
    return Fault("PID " + HexByte(Byte(bytes, offset + 1)) + " is not 0xF0");
  }
  Tnc2Frame frame{addresses[1].call, addresses[0].call, {}, std::string(bytes.substr(offset + 2))};
  for (std::size_t i = 2; i < addresses.size(); ++i) {
    frame.path.push_back({addresses[i].call, addresses[i].highBit});
  }
  MarkEarlierDigipeatersRepeated(frame.path);
  return {std::move(frame), {}};
}

std::optional<std::string> EncodeAx25UiFrame(const Tnc2Frame& frame) {
  if (frame.path.size() > kMaxAx25Digipeaters) return std::nullopt;
  std::string bytes;
  bytes.reserve(kAddressSize * (2 + frame.path.size()) + 2 + frame.info.size());
  if (!AppendAddress(bytes, frame.destination, true, false) ||
      !AppendAddress(bytes, frame.source, false, frame.path.empty())) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < frame.path.size(); ++i) {
    const Digipeater& digi = frame.path[i];
    if (!AppendAddress(bytes, digi.call, digi.repeated, i + 1 == frame.path.size())) {
      return std::nullopt;
    }
  }
  bytes += static_cast<char>(kUiControl);
  bytes += static_cast<char>(kNoLayer3Pid);
  return bytes + frame.info;
}

}  // namespace brevio
