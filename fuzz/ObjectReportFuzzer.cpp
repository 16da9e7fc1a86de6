// SPDX-License-Identifier: GPL-3.0-or-later
// Information fields of object reports.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzInput.h"
#include "host/aprs/ObjectReport.h"
#include "support/ObjectReportReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brevio;
  using test::ParseObjectReport;
  const std::optional<ObjectReport> object = ParseObjectReport(fuzz::AsText(data, size));
  if (!object) return 0;
  fuzz::Require(!object->name.empty() && object->name.size() <= 9,
                "an object name is 1 to 9 characters");
  const std::optional<std::string> info = FormatObjectReport(*object);
  fuzz::Require(info.has_value(), "an object read can be written");
  fuzz::Require(ParseObjectReport(*info) == object, "an object written reads back the same");
  return 0;
}
