// SPDX-License-Identifier: GPL-3.0-or-later
// Uncompressed position reports whose comment may carry a !DAO!.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "FuzzInput.h"
#include "host/aprs/DaoExtension.h"
#include "host/aprs/PositionReport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brevio;
  const std::optional<PositionReport> report = ParsePositionReport(fuzz::AsText(data, size));
  if (!report || report->compressed) return 0;
  const AprsPosition plain = report->position;
  const AprsPosition fine = ApplyDaoExtension(plain, report->comment);
  fuzz::Require(std::fabs(fine.latitude) <= 90 && std::fabs(fine.longitude) <= 180,
                "a position made finer lies on the globe");
  // The extra digits come below the hundredth of a minute, away from the equator and the
  // prime meridian, and leave the symbol and a blurred position alone.
  for (const auto& [before, after] :
       {std::pair{plain.latitude, fine.latitude}, std::pair{plain.longitude, fine.longitude}}) {
    const double added = (std::fabs(after) - std::fabs(before)) * 60;
    fuzz::Require(added >= 0 && added < 0.01 && std::signbit(after) == std::signbit(before),
                  "the extension adds less than a hundredth of a minute, outwards");
  }
  fuzz::Require(fine.symbolTable == plain.symbolTable && fine.symbolCode == plain.symbolCode &&
                    fine.ambiguity == plain.ambiguity,
                "the extension changes only the coordinates");
  fuzz::Require(plain.ambiguity == 0 || fine == plain, "a blurred position stays as it is");
  return 0;
}
