#pragma once

#include "model/CrossingStatus.h"
#include "platform/Color.h"
#include "platform/Path.h"

namespace ornival {

// The settings a document file holds, with the values a new document starts
// from. The reader fills one from the settings lines, the writer writes one
// out, and the document copies one in when a file opens and hands one to the
// writer when it saves.
//
// The colour defaults are the single-precision literals they were first made
// of, widened to double. Colours compare exactly, so a new document's colours
// equal these values to the last bit, not their nearest doubles.
struct DocumentSettings {
  // The colour of tiles that have none of their own.
  Color shapeColor = Color::white();
  // Corner rounding of the tile fills; tiles hold twice this factor.
  double shapeBezierFactor = 1.0;
  double shapeRadiusLimit = 1.0;
  // The three border bands, unsorted: band 1 is the one named without a digit.
  Color borderColor = Color::black();
  Color borderColor2 = Color::white();
  Color borderColor3 = Color::black();
  double borderWidth = 2.0;
  double borderWidth2 = 0.0;
  double borderWidth3 = 0.0;
  // Round joins on the bands, else mitre joins.
  bool borderLineStyle = false;
  // Corner rounding of the bands; tiles hold twice this factor.
  double borderBezierFactor = 1.0;
  double borderRadiusLimit = 1.0;
  Color backgroundColor = {double(0.1f), double(0.3f), double(0.8f), 0.0};
  // The editor's zoom and its rotation in degrees.
  double scale = 20.0;
  double rotation = 0.0;
  // The page frame set by hand, in canvas units; empty means automatic.
  Rect pageBounds;
  CrossingStatus crossings = CrossingStatus::off;
  // 3 shows the relief; 2 and every other value the flat drawing.
  int displayMode = 2;
  double metalness = 0.5;
  double roughness = 0.5;
  double lightAngleX = 0.0;
  double lightAngleY = 0.0;
  double lightAngleZ = 0.0;
  Color ambientColor = {double(0.6f), double(0.6f), double(0.6f), 1.0};
  double surfaceZscale = 1.0;
  double surfaceRoundness = 1.0;
  double ripple = 0.0;
  double rippleScale = 0.0;

  bool operator==(const DocumentSettings&) const = default;
};

}  // namespace ornival
