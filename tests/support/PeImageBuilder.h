#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace brevio::test {

// A minimal Windows executable, written byte by byte: the headers, one ".rsrc" section, and in
// it a version resource (type 16, name 1, language 0x409) whose fixed file version is a.b.c.d.
class PeImageBuilder {
 public:
  // Where the parts lie in the file.
  static constexpr std::size_t kPeHeader = 0x40;
  static constexpr std::size_t kCoffHeader = kPeHeader + 4;
  static constexpr std::size_t kOptionalHeader = kCoffHeader + 20;
  static constexpr std::size_t kResources = 0x200;
  static constexpr std::size_t kRootEntry = kResources + 16;
  static constexpr std::size_t kNameEntry = kResources + 0x28;
  static constexpr std::size_t kLanguageEntry = kResources + 0x40;
  static constexpr std::size_t kDataEntry = kResources + 0x48;
  static constexpr std::size_t kVersionBlock = kResources + 0x58;
  static constexpr std::size_t kFixedInfo = kVersionBlock + 40;
  static constexpr std::uint32_t kResourceRva = 0x1000;

  std::uint16_t a = 2, b = 0, c = 0, d = 3;
  bool pe32Plus = false;

  std::size_t OptionalHeaderSize() const { return pe32Plus ? 240 : 224; }
  std::size_t SectionHeader() const { return kOptionalHeader + OptionalHeaderSize(); }

  std::string Build() const {
    constexpr std::size_t kVersionBlockSize = 40 + 52;
    constexpr std::size_t kResourceSize = kVersionBlock + kVersionBlockSize - kResources;
    std::string image(kResources + kResourceSize, '\0');
    image[0] = 'M';
    image[1] = 'Z';
    Put32(image, 0x3C, kPeHeader);
    image.replace(kPeHeader, 4, std::string("PE\0\0", 4));

    Put16(image, kCoffHeader, pe32Plus ? 0x8664 : 0x14C);
    Put16(image, kCoffHeader + 2, 1);  // one section
    Put16(image, kCoffHeader + 16, OptionalHeaderSize());
    Put16(image, kCoffHeader + 18, 0x0102);

    Put16(image, kOptionalHeader, pe32Plus ? 0x20B : 0x10B);
    const std::size_t directories = kOptionalHeader + (pe32Plus ? 112 : 96);
    Put32(image, directories - 4, 16);
    Put32(image, directories + 2 * 8, kResourceRva);
    Put32(image, directories + 2 * 8 + 4, kResourceSize);

    image.replace(SectionHeader(), 5, ".rsrc");
    Put32(image, SectionHeader() + 8, kResourceSize);
    Put32(image, SectionHeader() + 12, kResourceRva);
    Put32(image, SectionHeader() + 16, kResourceSize);
    Put32(image, SectionHeader() + 20, kResources);
    Put32(image, SectionHeader() + 36, 0x40000040);

    // Three directory levels of one numbered entry each, then the data entry.
    Directory(image, kRootEntry, 16, 0x80000000 | (kNameEntry - 16 - kResources));
    Directory(image, kNameEntry, 1, 0x80000000 | (kLanguageEntry - 16 - kResources));
    Directory(image, kLanguageEntry, 0x409, kDataEntry - kResources);
    Put32(image, kDataEntry, kResourceRva + (kVersionBlock - kResources));
    Put32(image, kDataEntry + 4, kVersionBlockSize);

    Put16(image, kVersionBlock, kVersionBlockSize);
    Put16(image, kVersionBlock + 2, 52);
    const std::string key = "VS_VERSION_INFO";
    for (std::size_t i = 0; i < key.size(); ++i)
      Put16(image, kVersionBlock + 6 + 2 * i, static_cast<unsigned char>(key[i]));
    Put32(image, kFixedInfo, 0xFEEF04BD);
    Put32(image, kFixedInfo + 4, 0x00010000);
    Put32(image, kFixedInfo + 8, std::uint64_t{a} << 16 | std::uint64_t{b});
    Put32(image, kFixedInfo + 12, std::uint64_t{c} << 16 | std::uint64_t{d});
    return image;
  }

  static void Put16(std::string& image, std::size_t at, std::uint64_t value) {
    for (std::size_t i = 0; i < 2; ++i) image[at + i] = static_cast<char>(value >> (8 * i));
  }
  static void Put32(std::string& image, std::size_t at, std::uint64_t value) {
    for (std::size_t i = 0; i < 4; ++i) image[at + i] = static_cast<char>(value >> (8 * i));
  }

 private:
  // `entry` is the position of the directory's only entry; its header lies 16 bytes before.
  static void Directory(std::string& image, std::size_t entry, std::uint64_t id,
                        std::uint64_t data) {
    Put16(image, entry - 2, 1);
    Put32(image, entry, id);
    Put32(image, entry + 4, data);
  }
};

}  // namespace brevio::test
