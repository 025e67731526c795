#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace ornival {

// What an export writes. The raw value is the tag of the export commands and
// the number kept under the user default "ExportFileFormat".
enum class ExportFileFormat {
  png = 0,
  jpg = 1,
  svg = 2,
  dae = 3,
  obj = 4,
  stl = 5,
  scn = 6,
  abc = 7,
  ply = 8,
  usd = 9,
  usda = 10,
  usdc = 11,
  usdz = 12,
};

// None outside 0…12.
std::optional<ExportFileFormat> exportFileFormat(std::int64_t rawValue);

// The file name extension, without the dot: "png", "jpg", "svg", "dae", …
std::string_view pathExtension(ExportFileFormat format);

// The png and jpg formats, written from a picture of the page.
constexpr bool isBitmap(ExportFileFormat format) {
  return format == ExportFileFormat::png || format == ExportFileFormat::jpg;
}

// The formats of the 3D scene.
constexpr bool isScene(ExportFileFormat format) { return int(format) >= int(ExportFileFormat::dae); }

}  // namespace ornival
