#include <gtest/gtest.h>

#include <tuple>

#include "platform/PeVersionReader.h"
#include "support/PeImageBuilder.h"
#include "support/TempFolder.h"

namespace brevio {
namespace {

using test::PeImageBuilder;

class PeVersionReaderTest : public ::testing::Test {
 protected:
  std::optional<FixedFileVersion> VersionOf(const std::string& bytes) {
    dir_.Write("uiview32.exe", bytes);
    return PeVersionReader().HostFileVersion(dir_.Path() + "/uiview32.exe");
  }

  test::TempFolder dir_;
};

TEST_F(PeVersionReaderTest, ReadsTheFixedFileVersionOf32And64BitFilesAndNothingElse) {
  for (const bool pe32Plus : {false, true}) {
    PeImageBuilder image{2, 1, 65535, 10, pe32Plus};
    const auto version = VersionOf(image.Build());
    ASSERT_TRUE(version) << pe32Plus;
    EXPECT_EQ(std::tuple(version->a, version->b, version->c, version->d),
              std::tuple(2, 1, 65535, 10));
  }
  EXPECT_FALSE(PeVersionReader().HostFileVersion(dir_.Path() + "/missing.exe"));
  EXPECT_FALSE(PeVersionReader().HostFileVersion(dir_.Path()));
  EXPECT_FALSE(VersionOf("MZ this is no executable"));
  // Every truncation of the file, the empty one included.
  const std::string image = PeImageBuilder().Build();
  for (std::size_t length = 0; length < image.size(); ++length) {
    EXPECT_FALSE(VersionOf(image.substr(0, length))) << length;
  }
}

struct Corruption {
  const char* what;
  std::size_t at;
  std::uint32_t value;
  std::size_t secondAt = 0;  // 0: one field only
  std::uint32_t secondValue = 0;
};

class PeVersionReaderCorruptionTest : public PeVersionReaderTest,
                                      public ::testing::WithParamInterface<Corruption> {};

// Each field that leads the way to the version is given a value that leads outside the file,
// into a loop or to something else; the reader must give no version and read nothing outside.
TEST_P(PeVersionReaderCorruptionTest, AHostileFieldGivesNoVersion) {
  std::string image = PeImageBuilder().Build();
  PeImageBuilder::Put32(image, GetParam().at, GetParam().value);
  if (GetParam().secondAt != 0) {
    PeImageBuilder::Put32(image, GetParam().secondAt, GetParam().secondValue);
  }
  EXPECT_FALSE(VersionOf(image));
}

constexpr std::size_t kSection = PeImageBuilder::kOptionalHeader + 224;
constexpr std::size_t kResourceDirectory = PeImageBuilder::kOptionalHeader + 96 + 16;

INSTANTIATE_TEST_SUITE_P(
    Fields, PeVersionReaderCorruptionTest,
    ::testing::Values(
        Corruption{"PeHeaderFarAway", 0x3C, 0xFFFFFFF0},
        Corruption{"PeSignature", PeImageBuilder::kPeHeader, 0x00004551},
        Corruption{"NoSections", PeImageBuilder::kCoffHeader, 0x0000014C},
        Corruption{"ManySectionsNoneHoldingTheResources", PeImageBuilder::kCoffHeader, 0xFFFF014C,
                   kSection + 12, 0x9000},
        Corruption{"HugeOptionalHeader", PeImageBuilder::kCoffHeader + 16, 0x0102FFFF},
        Corruption{"UnknownMagic", PeImageBuilder::kOptionalHeader, 0x107},
        Corruption{"TwoDirectoriesOnly", kResourceDirectory - 20, 2},
        Corruption{"NoResources", kResourceDirectory, 0},
        Corruption{"ResourcesOutsideEverySection", kResourceDirectory, 0xFFFFFFF0},
        Corruption{"SectionDataFarAway", kSection + 20, 0xFFFFFF00},
        Corruption{"ManyTypesNoneOfThemVersions", PeImageBuilder::kRootEntry - 4, 0xFFFFFFFF,
                   PeImageBuilder::kRootEntry, 15},
        Corruption{"NoVersionType", PeImageBuilder::kRootEntry, 15},
        Corruption{"TypeIsALeaf", PeImageBuilder::kRootEntry + 4, 0x18},
        Corruption{"NamesFarAway", PeImageBuilder::kRootEntry + 4, 0xFFFFFFFF},
        Corruption{"NamesLoopToTheRoot", PeImageBuilder::kNameEntry + 4, 0x80000000},
        Corruption{"NoNames", PeImageBuilder::kNameEntry - 4, 0},
        Corruption{"LanguageIsADirectory", PeImageBuilder::kLanguageEntry + 4, 0x80000000},
        Corruption{"DataEntryFarAway", PeImageBuilder::kLanguageEntry + 4, 0x7FFFFFFF},
        Corruption{"DataOutsideEverySection", PeImageBuilder::kDataEntry, 0x2000},
        Corruption{"DataLongerThanTheFile", PeImageBuilder::kDataEntry + 4, 0xFFFFFFFF},
        Corruption{"DataTooShort", PeImageBuilder::kDataEntry + 4, 60},
        Corruption{"NoFixedInfo", PeImageBuilder::kVersionBlock, 0x0000005C},
        Corruption{"WrongKey", PeImageBuilder::kVersionBlock + 6, 0x00530057},
        Corruption{"BlockTooShort", PeImageBuilder::kVersionBlock, 0x00340040},
        Corruption{"WrongSignature", PeImageBuilder::kFixedInfo, 0xFEEF04BE}),
    [](const auto& testCase) { return std::string(testCase.param.what); });

}  // namespace
}  // namespace brevio
