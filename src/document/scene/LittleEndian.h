#pragma once

#include <bit>
#include <cstdint>
#include <string>

namespace ornival {

// The binary scene formats and the zip archive store their numbers
// little-endian whatever the machine's own order.

inline void appendUint16(std::string& out, std::uint16_t value) {
  out += char(value & 0xFF);
  out += char(value >> 8);
}

inline void appendUint32(std::string& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out += char((value >> shift) & 0xFF);
}

inline void appendFloat32(std::string& out, double value) {
  appendUint32(out, std::bit_cast<std::uint32_t>(float(value)));
}

}  // namespace ornival
