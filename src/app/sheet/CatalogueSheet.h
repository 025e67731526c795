#pragma once

#include <string>

namespace ornival {

// One SVG page that shows every figure of the catalogue table at one common
// scale, in raw-value order, each labelled with its raw value and display
// name. Figures that are still placeholders are drawn dashed and grey and
// say so in their label.
struct CatalogueSheet {
  double pixelsPerUnit = 24.0;
  double pageWidth = 2400.0;

  std::string svg() const;
};

}  // namespace ornival
