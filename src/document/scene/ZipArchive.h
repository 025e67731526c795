#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ornival {

// One file of a zip archive: its name (plain ASCII) and bytes.
struct ZipEntry {
  std::string name;
  std::string data;
};

// The CRC-32 of zip files (polynomial 0xEDB88320).
std::uint32_t crc32(std::string_view data);

// A zip archive of the entries in their order, stored without compression,
// each entry's data starting at a multiple of alignment bytes (1 for none),
// padded through an extra field in its local header. Empty when an entry or
// the whole would outgrow the plain zip format's 4 GB.
std::string storedZip(const std::vector<ZipEntry>& entries, std::size_t alignment);

}  // namespace ornival
