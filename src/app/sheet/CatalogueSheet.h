#pragma once

#include "figures/catalogue/Shapes.h"

#include <string>

namespace ornival {

// One SVG page that shows every figure of the catalogue table at one common
// scale, in raw-value order, each labelled with its raw value and display
// name.
struct CatalogueSheet {
  double pixelsPerUnit = 24.0;
  double pageWidth = 2400.0;
  // The raw values drawn, both ends included; the whole catalogue unless
  // narrowed, so that a range can be looked at closely.
  int firstRawValue = Shapes::firstRawValue;
  int lastRawValue = Shapes::firstRawValue + Shapes::caseCount - 1;
  // Each figure turned as its icon stands (its axis point towards its
  // heading) rather than as its outline is walked.
  bool turned = false;

  std::string svg() const;
};

}  // namespace ornival
