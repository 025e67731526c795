#pragma once

// Writes a picture as an uncompressed PNG file, so that a test's renders can
// be looked at: set ORNIVAL_TEST_PICTURES to a folder and the GL tests leave
// their pictures there.

#include "platform/RgbaImage.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace ornival::testing {

namespace png {

inline std::uint32_t crc(const std::uint8_t* data, std::size_t size, std::uint32_t c = 0xffffffffu) {
  for (std::size_t i = 0; i < size; ++i) {
    c ^= data[i];
    for (int k = 0; k < 8; ++k)
      c = (c >> 1) ^ (0xedb88320u & (0u - (c & 1u)));
  }
  return c;
}

inline void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(std::uint8_t(v >> shift));
}

inline void chunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data) {
  put32(out, std::uint32_t(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  put32(out, crc(out.data() + start, out.size() - start) ^ 0xffffffffu);
}

}  // namespace png

inline bool writePng(const RgbaImage& image, const std::string& path) {
  std::vector<std::uint8_t> raw;
  for (int y = 0; y < image.height(); ++y) {
    raw.push_back(0);
    const std::uint8_t* row = image.data() + std::size_t(y) * std::size_t(image.width()) * 4;
    raw.insert(raw.end(), row, row + std::size_t(image.width()) * 4);
  }
  // A zlib stream of stored blocks.
  std::vector<std::uint8_t> z{0x78, 0x01};
  std::uint32_t a = 1, b = 0;
  for (std::uint8_t v : raw) {
    a = (a + v) % 65521;
    b = (b + a) % 65521;
  }
  for (std::size_t at = 0; at < raw.size() || at == 0; at += 65535) {
    const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
    z.push_back(at + n >= raw.size() ? 1 : 0);
    z.insert(z.end(), {std::uint8_t(n), std::uint8_t(n >> 8), std::uint8_t(~n), std::uint8_t(~n >> 8)});
    z.insert(z.end(), raw.begin() + std::ptrdiff_t(at), raw.begin() + std::ptrdiff_t(at + n));
    if (raw.empty())
      break;
  }
  png::put32(z, (b << 16) | a);

  std::vector<std::uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  std::vector<std::uint8_t> header;
  png::put32(header, std::uint32_t(image.width()));
  png::put32(header, std::uint32_t(image.height()));
  header.insert(header.end(), {8, 6, 0, 0, 0});
  png::chunk(file, "IHDR", header);
  png::chunk(file, "IDAT", z);
  png::chunk(file, "IEND", {});
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
  return bool(out);
}

// Leaves the picture as <name>.png in ORNIVAL_TEST_PICTURES, when that is set.
inline void keepPicture(const RgbaImage& image, const std::string& name) {
  if (const char* folder = std::getenv("ORNIVAL_TEST_PICTURES"))
    writePng(image, std::string(folder) + "/" + name + ".png");
}

}  // namespace ornival::testing
