#include <gtest/gtest.h>

#include "host/net/TncAddress.h"

namespace brevio {
namespace {

using Kind = TncAddress::Kind;

struct AddressCase {
  const char* text;
  std::optional<TncAddress> address;
};

class TncAddressTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(TncAddressTest, ReadsTheLinkAndWritesItBack) {
  const std::optional<TncAddress> address = ParseTncAddress(GetParam().text);
  EXPECT_EQ(address, GetParam().address);
  if (address) {
    EXPECT_EQ(FormatTncAddress(*address), GetParam().text);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TncAddressTest,
    ::testing::Values(
        AddressCase{"stdio", TncAddress{}}, AddressCase{"kiss://127.0.0.1:8001", kDefaultTnc},
        AddressCase{"kiss://[::1]:1", TncAddress{Kind::Kiss, "::1", 1}},
        AddressCase{"aprsis://rotate.aprs2.net:14580",
                    TncAddress{Kind::AprsIs, "rotate.aprs2.net", 14580}},
        AddressCase{"kiss://host:65535", TncAddress{Kind::Kiss, "host", 65535}},
        AddressCase{"kiss://host:65536", std::nullopt}, AddressCase{"kiss://host:0", std::nullopt},
        AddressCase{"kiss://host:+80", std::nullopt}, AddressCase{"kiss://host", std::nullopt},
        AddressCase{"kiss://:8001", std::nullopt}, AddressCase{"kiss://::1:8001", std::nullopt},
        AddressCase{"kiss://h/x:8001", std::nullopt}, AddressCase{"KISS://host:8001", std::nullopt},
        AddressCase{"tcp://host:8001", std::nullopt}, AddressCase{"serial", std::nullopt},
        AddressCase{"", std::nullopt}));

}  // namespace
}  // namespace brevio
