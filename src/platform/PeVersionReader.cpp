#include "platform/PeVersionReader.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <string_view>

namespace brevio {

namespace {

constexpr std::uint16_t kDosSignature = 0x5A4D;     // "MZ"
constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint32_t kResourceDirectoryIndex = 2;
constexpr std::uint32_t kVersionResourceType = 16;  // RT_VERSION
constexpr std::uint32_t kFixedInfoSignature = 0xFEEF04BD;
constexpr std::uint32_t kSubdirectoryFlag = 0x80000000;
constexpr std::uint32_t kNamedEntryFlag = 0x80000000;
constexpr std::uint64_t kFixedInfoSize = 52;
// The key of the version block, stored in UTF-16 with a NUL after it.
constexpr std::string_view kVersionInfoKey = "VS_VERSION_INFO";

// Little-endian numbers at file offsets, each read only when it lies wholly inside the file.
class FileBytes {
 public:
  explicit FileBytes(QFile& file) : file_(file), size_(static_cast<std::uint64_t>(file.size())) {}

  std::optional<std::uint32_t> Number(std::uint64_t offset, std::size_t width) {
    std::array<unsigned char, 4> bytes{};
    if (width > bytes.size() || !Holds(offset, width)) return std::nullopt;
    if (!file_.seek(static_cast<qint64>(offset))) return std::nullopt;
    const auto count = static_cast<qint64>(width);
    if (file_.read(reinterpret_cast<char*>(bytes.data()), count) != count) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) value = (value << 8) | bytes[i];
    return value;
  }
  bool Holds(std::uint64_t offset, std::uint64_t count) const {
    return offset <= size_ && count <= size_ - offset;
  }
  std::optional<std::uint32_t> U16(std::uint64_t offset) { return Number(offset, 2); }
  std::optional<std::uint32_t> U32(std::uint64_t offset) { return Number(offset, 4); }

 private:
  QFile& file_;
  std::uint64_t size_;
};

class VersionResource {
 public:
  explicit VersionResource(FileBytes& bytes) : bytes_(bytes) {}

  std::optional<FixedFileVersion> Read() {
    if (bytes_.U16(0) != kDosSignature) return std::nullopt;
    const auto peHeader = bytes_.U32(0x3C);
    if (!peHeader || bytes_.U32(*peHeader) != kPeSignature) return std::nullopt;
    const std::uint64_t coff = *peHeader + 4ULL;
    const auto sectionCount = bytes_.U16(coff + 2);
    const auto optionalSize = bytes_.U16(coff + 16);
    if (!sectionCount || !optionalSize) return std::nullopt;
    const std::uint64_t optional = coff + 20;
    sectionCount_ = *sectionCount;
    sectionTable_ = optional + *optionalSize;

    const auto magic = bytes_.U16(optional);
    if (magic != kPe32Magic && magic != kPe32PlusMagic) return std::nullopt;
    const std::uint64_t countField = magic == kPe32Magic ? 92 : 108;
    const std::uint64_t directory = countField + 4 + kResourceDirectoryIndex * 8;
    const auto directoryCount = bytes_.U32(optional + countField);
    if (!directoryCount || *directoryCount <= kResourceDirectoryIndex ||
        directory + 8 > *optionalSize) {
      return std::nullopt;
    }
    const auto resourceRva = bytes_.U32(optional + directory);
    if (!resourceRva || *resourceRva == 0) return std::nullopt;
    const auto resources = FileOffset(*resourceRva);
    if (!resources) return std::nullopt;
    resources_ = *resources;

    // Type, then name, then language: the first version resource of the first name and language.
    const auto names = Subdirectory(EntryOfType(0, kVersionResourceType));
    const auto languages = Subdirectory(FirstEntry(names));
    const auto leaf = FirstEntry(languages);
    if (!leaf || (*leaf & kSubdirectoryFlag) != 0) return std::nullopt;
    const auto dataRva = bytes_.U32(resources_ + *leaf);
    const auto dataSize = bytes_.U32(resources_ + *leaf + 4);
    if (!dataRva || !dataSize) return std::nullopt;
    const auto data = FileOffset(*dataRva);
    if (!data || !bytes_.Holds(*data, *dataSize)) return std::nullopt;
    return FixedInfo(*data, *dataSize);
  }

 private:
  // The file offset of a relative virtual address, through the section that holds its data.
  std::optional<std::uint64_t> FileOffset(std::uint32_t rva) {
    for (std::uint32_t i = 0; i < sectionCount_; ++i) {
      const std::uint64_t section = sectionTable_ + 40ULL * i;
      const auto address = bytes_.U32(section + 12);
      const auto rawSize = bytes_.U32(section + 16);
      const auto rawOffset = bytes_.U32(section + 20);
      if (!address || !rawSize || !rawOffset) return std::nullopt;
      if (rva >= *address && rva - *address < *rawSize) {
        return std::uint64_t{*rawOffset} + (rva - *address);
      }
    }
    return std::nullopt;
  }

  // The data field of the directory entry whose numeric id is `id`.
  std::optional<std::uint32_t> EntryOfType(std::uint64_t directory, std::uint32_t id) {
    const auto named = bytes_.U16(resources_ + directory + 12);
    const auto numbered = bytes_.U16(resources_ + directory + 14);
    if (!named || !numbered) return std::nullopt;
    for (std::uint32_t i = 0; i < *named + *numbered; ++i) {
      const std::uint64_t entry = resources_ + directory + 16 + 8ULL * i;
      const auto name = bytes_.U32(entry);
      if (!name) return std::nullopt;
      if ((*name & kNamedEntryFlag) == 0 && *name == id) return bytes_.U32(entry + 4);
    }
    return std::nullopt;
  }

  std::optional<std::uint32_t> FirstEntry(std::optional<std::uint64_t> directory) {
    if (!directory) return std::nullopt;
    const auto named = bytes_.U16(resources_ + *directory + 12);
    const auto numbered = bytes_.U16(resources_ + *directory + 14);
    if (!named || !numbered || *named + *numbered == 0) return std::nullopt;
    return bytes_.U32(resources_ + *directory + 16 + 4);
  }

  static std::optional<std::uint64_t> Subdirectory(std::optional<std::uint32_t> entryData) {
    if (!entryData || (*entryData & kSubdirectoryFlag) == 0) return std::nullopt;
    return *entryData & ~kSubdirectoryFlag;
  }

  // VS_VERSIONINFO: length, value length, type, the key, padding to 32 bits, VS_FIXEDFILEINFO.
  std::optional<FixedFileVersion> FixedInfo(std::uint64_t block, std::uint32_t dataSize) {
    const auto length = bytes_.U16(block);
    const auto valueLength = bytes_.U16(block + 2);
    if (!length || !valueLength || *valueLength < kFixedInfoSize) return std::nullopt;
    for (std::size_t i = 0; i <= kVersionInfoKey.size(); ++i) {
      const char expected = i < kVersionInfoKey.size() ? kVersionInfoKey[i] : '\0';
      if (bytes_.U16(block + 6 + 2 * i) != static_cast<std::uint32_t>(expected)) {
        return std::nullopt;
      }
    }
    const std::uint64_t keyEnd = 6 + 2 * (kVersionInfoKey.size() + 1);
    const std::uint64_t fixed = (keyEnd + 3) / 4 * 4;
    if (fixed + kFixedInfoSize > *length || fixed + kFixedInfoSize > dataSize) return std::nullopt;
    if (bytes_.U32(block + fixed) != kFixedInfoSignature) return std::nullopt;
    const auto mostSignificant = bytes_.U32(block + fixed + 8);
    const auto leastSignificant = bytes_.U32(block + fixed + 12);
    if (!mostSignificant || !leastSignificant) return std::nullopt;
    return FixedFileVersion{static_cast<std::uint16_t>(*mostSignificant >> 16),
                            static_cast<std::uint16_t>(*mostSignificant & 0xFFFF),
                            static_cast<std::uint16_t>(*leastSignificant >> 16),
                            static_cast<std::uint16_t>(*leastSignificant & 0xFFFF)};
  }

  FileBytes& bytes_;
  std::uint32_t sectionCount_ = 0;
  std::uint64_t sectionTable_ = 0;
  std::uint64_t resources_ = 0;
};

}  // namespace

std::optional<FixedFileVersion> PeVersionReader::HostFileVersion(const std::string& exePath) {
  // Only a regular file: opening a pipe or a device could block or never end.
  if (!QFileInfo(QString::fromStdString(exePath)).isFile()) return std::nullopt;
  QFile file(QString::fromStdString(exePath));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  FileBytes bytes(file);
  return VersionResource(bytes).Read();
}

}  // namespace brevio
