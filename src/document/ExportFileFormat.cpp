#include "document/ExportFileFormat.h"

#include <array>

namespace ornival {

namespace {

constexpr std::array<std::string_view, 13> extensions{"png", "jpg", "svg", "dae",  "obj",  "stl", "scn",
                                                      "abc", "ply", "usd", "usda", "usdc", "usdz"};

}  // namespace

std::optional<ExportFileFormat> exportFileFormat(std::int64_t rawValue) {
  if (rawValue < 0 || rawValue >= std::int64_t(extensions.size()))
    return std::nullopt;
  return ExportFileFormat(rawValue);
}

std::string_view pathExtension(ExportFileFormat format) { return extensions[std::size_t(format)]; }

}  // namespace ornival
