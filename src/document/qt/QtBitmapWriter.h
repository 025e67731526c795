#pragma once

#include "document/DocumentExporter.h"
#include "document/ReliefSnapshot.h"
#include "platform/AtomicFile.h"
#include "platform/RgbaImage.h"

#include <QByteArray>
#include <QImage>

#include <optional>
#include <string>

namespace ornival {

class Document;

// The document's page as the bitmap export sees it: the editor's snapped
// page bounds at the export scale, centred in an image of the export size,
// with an alpha channel when the document exports transparency (else three
// samples, the background laid over white). A null image, with the reason
// in `error`, when there is no editor or the size cannot be made.
QImage render2DImage(const Document& document, std::string* error = nullptr);

// The largest picture the export makes, in pixels; a larger one is refused
// before anything is allocated.
constexpr qint64 maximumExportPixels = qint64(1) << 28;
constexpr int maximumExportSide = 65500;

// Lossless JPEG 2000 (a JP2 file) of the image, with its alpha channel when
// it has one; none when encoding fails.
std::optional<QByteArray> encodeJpeg2000(const QImage& image);

// Encodes the document's picture as PNG, JPEG or JPEG 2000 and writes it
// atomically: the flat drawing of render2DImage, or in the relief view the
// relief drawn by the renderers `reliefRenderers` makes.
class QtBitmapWriter final : public BitmapWriter {
public:
  // Gives what relief pictures are drawn with, asked at the first one so that
  // finding out whether there is OpenGL costs nothing before. None, or an
  // empty maker where the program has no OpenGL: relief pictures then say so.
  std::function<SnapshotRendererMaker()> reliefRenderers;
  // What the file is written with: the system's calls unless a test breaks one.
  const FileCalls* files = &systemFileCalls();

  std::string writeBitmap(const Document& document, BitmapFileType type,
                          const std::filesystem::path& target) override;

private:
  QImage reliefImage(const Document& document, std::string& error) const;
};

}  // namespace ornival
