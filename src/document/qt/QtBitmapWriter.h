#pragma once

#include "document/DocumentExporter.h"
#include "document/DocumentSettings.h"
#include "document/ReliefSnapshot.h"
#include "document/TilingSnapshot.h"
#include "platform/Path.h"
#include "platform/Progress.h"
#include "platform/RgbaImage.h"

#include <QByteArray>
#include <QImage>

#include <memory>
#include <optional>
#include <string>

namespace ornival {

class Document;

// What the flat picture of a page is drawn from, taken on the main thread:
// the tiles as they stood, the settings, the editor's snapped page bounds,
// the export scale and size and whether the picture keeps transparency.
struct PageImage {
  std::shared_ptr<const TilingSnapshot> tiles;
  DocumentSettings settings;
  Rect page;
  double scale = 1.0;
  int width = 0;
  int height = 0;
  bool alpha = true;
};

// Main thread: the page as the bitmap export draws it; none, with the reason
// in `error`, when there is no editor or the size cannot be made.
std::optional<PageImage> takePageImage(const Document& document, std::string* error = nullptr);

// Any thread: the page at the export scale, centred in an image of the export
// size, with an alpha channel when the document exports transparency (else
// three samples, the background laid over white). A null image when the
// work is to stop, or, with the reason in `error`, when it cannot be made.
QImage render2DImage(const PageImage& page, Progress& progress = Progress::none(), std::string* error = nullptr);

// Both at once, on the main thread.
QImage render2DImage(const Document& document, std::string* error = nullptr);

// The largest picture the export makes, in pixels; a larger one is refused
// before anything is allocated.
constexpr qint64 maximumExportPixels = qint64(1) << 28;
constexpr int maximumExportSide = 65500;

// Lossless JPEG 2000 (a JP2 file) of the image, with its alpha channel when
// it has one; none when encoding fails.
std::optional<QByteArray> encodeJpeg2000(const QImage& image);

// The picture encoded as PNG, JPEG or JPEG 2000; none when encoding fails,
// with the reason in `error`. Any thread.
std::optional<QByteArray> encodeBitmap(const QImage& image, BitmapFileType type, std::string& error);

// Encodes the document's picture as PNG, JPEG or JPEG 2000: the flat drawing
// of render2DImage, drawn by the work from what was taken, or in the relief
// view the relief, drawn by the work from a copy of the relief's scene with a
// renderer of `workerReliefRenderers`, or where there is none on the main
// thread by the renderers `reliefRenderers` makes.
class QtBitmapWriter final : public BitmapWriter {
public:
  // Gives what relief pictures are drawn with, asked at the first one so that
  // finding out whether there is OpenGL costs nothing before. None, or an
  // empty maker where the program has no OpenGL: relief pictures then say so.
  std::function<SnapshotRendererMaker()> reliefRenderers;
  // Asked on the main thread at each relief picture: a maker whose renderers
  // the work makes, uses and drops on the thread it runs on. None, or an
  // empty maker where OpenGL cannot draw off the main thread.
  std::function<SnapshotRendererMaker()> workerReliefRenderers;

  BitmapWork prepareBitmap(const Document& document, BitmapFileType type, std::string& error) override;

private:
  QImage reliefImage(const Document& document, std::string& error) const;
};

}  // namespace ornival
