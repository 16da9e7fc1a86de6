// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "host/net/TncAddress.h"

namespace brevio {
namespace {

using Kind = TncAddress::Kind;

struct AddressCase {
  std::string text;
  std::optional<TncAddress> address;
  // What the address is written as, or what is wrong with the text.
  std::string written;
};

AddressCase Good(const std::string& text, const TncAddress& address) {
  return {text, address, text};
}

// `problem` follows "option '--tnc' ", and is the shapes of a link unless given.
AddressCase Bad(const std::string& text, const std::string& problem = "") {
  return {text, std::nullopt,
          !problem.empty() ? problem
                           : "needs a link: stdio, kiss://HOST:PORT, aprsis://HOST:PORT or "
                             "serial:PATH[@BAUD], not '" +
                                 text + "'"};
}

const std::string kSpeeds =
    "takes a serial speed of 300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200, "
    "230400, 460800 or 921600 baud, not '";
const std::string kPath = "needs a serial device's full path, such as serial:/dev/ttyUSB0, not '";

class TncAddressTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(TncAddressTest, ReadsTheLinkAndWritesItBack) {
  const ParsedTncAddress parsed = ParseTncAddress(GetParam().text);
  EXPECT_EQ(parsed.address, GetParam().address);
  EXPECT_EQ(parsed.address ? FormatTncAddress(*parsed.address) : parsed.problem,
            GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TncAddressTest,
    ::testing::Values(
        Good("stdio", TncAddress{}), Good("kiss://127.0.0.1:8001", kDefaultTnc),
        Good("kiss://[::1]:1", {Kind::Kiss, "::1", 1}),
        Good("aprsis://rotate.aprs2.net:14580", {Kind::AprsIs, "rotate.aprs2.net", 14580}),
        Good("kiss://host:65535", {Kind::Kiss, "host", 65535}), Bad("kiss://host:65536"),
        Bad("kiss://host:0"), Bad("kiss://host:+80"), Bad("kiss://host:000080"), Bad("kiss://host"),
        Bad("kiss://:8001"), Bad("kiss://::1:8001"), Bad("kiss://h/x:8001"),
        Bad("KISS://host:8001"), Bad("tcp://host:8001"), Bad("serial"), Bad(""),
        AddressCase{"serial:/dev/ttyUSB0", TncAddress::Serial("/dev/ttyUSB0", 9600),
                    "serial:/dev/ttyUSB0@9600"},
        Good("serial:/dev/ttyS0@300", TncAddress::Serial("/dev/ttyS0", 300)),
        Good("serial:/dev/a@b@921600", TncAddress::Serial("/dev/a@b", 921600)),
        Bad("serial:/dev/ttyUSB0@fast", kSpeeds + "fast'"),
        Bad("serial:/dev/ttyUSB0@96000", kSpeeds + "96000'"),
        Bad("serial:/dev/ttyUSB0@", kSpeeds + "'"),
        Bad("serial:/dev/ttyUSB0@0009600", kSpeeds + "0009600'"),
        Bad("serial:", kPath + "serial:'"), Bad("serial:ttyUSB0", kPath + "serial:ttyUSB0'"),
        Bad("serial:@9600", kPath + "serial:@9600'")));

}  // namespace
}  // namespace brevio
