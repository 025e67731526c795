#include "document/scene/ZipArchive.h"

#include "document/scene/LittleEndian.h"
#include "platform/Precondition.h"

#include <array>
#include <limits>

namespace ornival {

namespace {

constexpr std::array<std::uint32_t, 256> crcTable = [] {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k)
      c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}();

// 1 January 1980, the earliest time a zip entry can carry: the archive's
// bytes depend on its contents only.
constexpr std::uint16_t dosTime = 0;
constexpr std::uint16_t dosDate = (0 << 9) | (1 << 5) | 1;
// The extra field that carries the padding; the id is the one used by the
// packages that align their entries this way.
constexpr std::uint16_t paddingFieldId = 0x1986;

}  // namespace

std::uint32_t crc32(std::string_view data) {
  std::uint32_t c = 0xFFFFFFFFu;
  for (const char byte : data)
    c = crcTable[(c ^ std::uint8_t(byte)) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

std::string storedZip(const std::vector<ZipEntry>& entries, std::size_t alignment) {
  ORNIVAL_PRECONDITION(alignment >= 1);
  constexpr std::uint64_t limit = std::numeric_limits<std::uint32_t>::max();
  std::string out;
  std::string directory;
  for (const ZipEntry& entry : entries) {
    if (entry.name.size() > 0xFFFF || entry.data.size() >= limit)
      return {};
    const std::uint64_t offset = out.size();
    const std::uint32_t crc = crc32(entry.data);
    const auto size = std::uint32_t(entry.data.size());
    const std::size_t dataStart = offset + 30 + entry.name.size();
    std::size_t padding = (alignment - dataStart % alignment) % alignment;
    // An extra field needs four bytes for its id and length.
    while (padding > 0 && padding < 4)
      padding += alignment;
    if (offset >= limit || padding > 0xFFFF)
      return {};

    appendUint32(out, 0x04034B50);
    appendUint16(out, 20);  // version needed: 2.0
    appendUint16(out, 0);   // flags
    appendUint16(out, 0);   // stored
    appendUint16(out, dosTime);
    appendUint16(out, dosDate);
    appendUint32(out, crc);
    appendUint32(out, size);
    appendUint32(out, size);
    appendUint16(out, std::uint16_t(entry.name.size()));
    appendUint16(out, std::uint16_t(padding));
    out += entry.name;
    if (padding > 0) {
      appendUint16(out, paddingFieldId);
      appendUint16(out, std::uint16_t(padding - 4));
      out.append(padding - 4, '\0');
    }
    out += entry.data;

    appendUint32(directory, 0x02014B50);
    appendUint16(directory, 20);  // made by: 2.0
    appendUint16(directory, 20);
    appendUint16(directory, 0);
    appendUint16(directory, 0);
    appendUint16(directory, dosTime);
    appendUint16(directory, dosDate);
    appendUint32(directory, crc);
    appendUint32(directory, size);
    appendUint32(directory, size);
    appendUint16(directory, std::uint16_t(entry.name.size()));
    appendUint16(directory, 0);  // extra
    appendUint16(directory, 0);  // comment
    appendUint16(directory, 0);  // disk
    appendUint16(directory, 0);  // internal attributes
    appendUint32(directory, 0);  // external attributes
    appendUint32(directory, std::uint32_t(offset));
    directory += entry.name;
  }
  const std::uint64_t directoryOffset = out.size();
  if (directoryOffset >= limit || entries.size() > 0xFFFF)
    return {};
  out += directory;
  appendUint32(out, 0x06054B50);
  appendUint16(out, 0);
  appendUint16(out, 0);
  appendUint16(out, std::uint16_t(entries.size()));
  appendUint16(out, std::uint16_t(entries.size()));
  appendUint32(out, std::uint32_t(directory.size()));
  appendUint32(out, std::uint32_t(directoryOffset));
  appendUint16(out, 0);
  return out;
}

}  // namespace ornival
