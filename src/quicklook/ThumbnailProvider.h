#pragma once

#include "quicklook/DocumentText.h"

#include <QImage>

#include <optional>
#include <string>

namespace ornival {

class OrnivalModel;

// Pictures of document files for the file manager: flat documents drawn by
// the 2D view on their own background, relief documents rendered in software
// OpenGL (OSMesa) on white. Needs no display, no GPU device, no fonts and no
// settings, so it runs in the sandbox file managers start thumbnailers in.
//
// Each call makes its own model, view and renderer; calls share nothing, so
// any thread may draw.
class ThumbnailProvider {
public:
  // A size × size picture of the file, or none, with the reason in error. A
  // file that cannot be read or is not a document gives no picture: the file
  // manager then shows the type's icon, where a blank picture would hide
  // that the file is broken.
  //
  // Documents within the full model's limits are drawn from it, flat or in
  // relief; larger ones flat from their tiles' placements (relief ones too),
  // which keeps a million tiles within seconds and a few hundred megabytes.
  static std::optional<QImage> drawThumbnail(const std::string& path, int size, DocumentFileError& error,
                                             const ThumbnailLimits& limits = {});

  // The pictures of a model already read.
  static QImage drawFlat(OrnivalModel& model, int size);
  // None when no OpenGL context can be made or the scene cannot be drawn.
  static std::optional<QImage> drawRelief(OrnivalModel& model, int size);
};

}  // namespace ornival
