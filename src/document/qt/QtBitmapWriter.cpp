#include "document/qt/QtBitmapWriter.h"

#include "document/Document.h"
#include "document/DocumentEditor.h"
#include "document/PrintView.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/Localization.h"
#include "platform/NumberText.h"
#include "platform/qt/QPainterAdapter.h"
#include "platform/qt/QtRgbaImage.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>

#include <openjpeg.h>

#include <algorithm>
#include <memory>

namespace ornival {

namespace {

void setError(std::string* error, std::string text) {
  if (error)
    *error = std::move(text);
}

// An OpenJPEG output stream into memory. The JP2 writer goes back to fill in
// box lengths, so writes land at the current position.
struct MemoryStream {
  QByteArray bytes;
  qint64 position = 0;

  static OPJ_SIZE_T write(void* data, OPJ_SIZE_T size, void* user) {
    auto& s = *static_cast<MemoryStream*>(user);
    const qint64 end = s.position + qint64(size);
    if (end > s.bytes.size())
      s.bytes.resize(end, '\0');
    std::memcpy(s.bytes.data() + s.position, data, size);
    s.position = end;
    return size;
  }
  static OPJ_OFF_T skip(OPJ_OFF_T count, void* user) {
    auto& s = *static_cast<MemoryStream*>(user);
    if (s.position + count < 0)
      return -1;
    s.position += count;
    if (s.position > s.bytes.size())
      s.bytes.resize(s.position, '\0');
    return count;
  }
  static OPJ_BOOL seek(OPJ_OFF_T to, void* user) {
    auto& s = *static_cast<MemoryStream*>(user);
    if (to < 0)
      return OPJ_FALSE;
    s.position = to;
    if (s.position > s.bytes.size())
      s.bytes.resize(s.position, '\0');
    return OPJ_TRUE;
  }
};

struct ImageDeleter {
  void operator()(opj_image_t* image) const { opj_image_destroy(image); }
};
struct CodecDeleter {
  void operator()(opj_codec_t* codec) const { opj_destroy_codec(codec); }
};
struct StreamDeleter {
  void operator()(opj_stream_t* stream) const { opj_stream_destroy(stream); }
};

// Whether a picture of W × H pixels can be made; if not, why, in `error`.
bool sizeCanBeMade(int W, int H, std::string* error) {
  if (W <= 0 || H <= 0) {
    setError(error, localized("Export", "The picture has no size. Choose a width and a height first."));
    return false;
  }
  if (W > maximumExportSide || H > maximumExportSide || qint64(W) * qint64(H) > maximumExportPixels) {
    setError(error, formatText(localized("Export", "A picture of %1 × %2 pixels is too large to make. "
                                                   "Choose a smaller size."),
                               {formatInteger(W), formatInteger(H)}));
    return false;
  }
  return true;
}

}  // namespace

std::optional<PageImage> takePageImage(const Document& document, std::string* error) {
  const auto editor = document.viewController();
  if (!editor) {
    setError(error, localized("Export", "The document has no window to draw from."));
    return std::nullopt;
  }
  PageImage page;
  page.width = document.exportWidth();
  page.height = document.exportHeight();
  if (!sizeCanBeMade(page.width, page.height, error))
    return std::nullopt;
  page.tiles = TilingSnapshot::take(editor->graph().shapes());
  page.settings = document.fileSettings();
  page.page = editor->snappedPageBounds();
  page.scale = document.exportScale();
  page.alpha = document.exportAlpha();
  return page;
}

QImage render2DImage(const PageImage& page, Progress& progress, std::string* error) {
  const int W = page.width;
  const int H = page.height;
  QImage image(W, H, QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) {
    setError(error, formatText(localized("Export", "There is not enough memory for a picture of %1 × %2 pixels. "
                                                   "Choose a smaller size."),
                               {formatInteger(W), formatInteger(H)}));
    return {};
  }
  image.fill(Qt::transparent);
  ProgressStage making(progress, 0.0, 0.4);
  auto content = std::make_shared<PrintView::Content>();
  content->settings = page.settings;
  content->graph = Graph::create(page.tiles ? page.tiles->makeTiles(making) : std::vector<std::shared_ptr<Shape>>{});
  content->page = page.page;
  if (progress.shouldStop())
    return {};

  // The scaled page sits in the middle of the picture.
  const Rect& p = page.page;
  const double s = page.scale;
  PrintView view({{p.origin.x * s + (p.size.x * s - W) * 0.5, p.origin.y * s + (p.size.y * s - H) * 0.5},
                  {double(W), double(H)}});
  view.content = content;
  view.scale = s;
  view.exportAlpha = page.alpha;
  {
    QPainter painter(&image);
    QPainterAdapter adapter(painter, double(H));
    view.drawDocument(adapter, view.frame);
  }
  progress.report(0.9);
  // Without transparency the background is opaque: three samples a pixel.
  return page.alpha ? image.convertToFormat(QImage::Format_ARGB32) : image.convertToFormat(QImage::Format_RGB888);
}

QImage render2DImage(const Document& document, std::string* error) {
  const auto page = takePageImage(document, error);
  return page ? render2DImage(*page, Progress::none(), error) : QImage();
}

std::optional<QByteArray> encodeJpeg2000(const QImage& source) {
  if (source.isNull())
    return std::nullopt;
  const bool alpha = source.hasAlphaChannel();
  const QImage image = source.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
  const int width = image.width();
  const int height = image.height();
  const int components = alpha ? 4 : 3;

  opj_image_cmptparm_t parameters[4];
  std::memset(parameters, 0, sizeof parameters);
  for (int c = 0; c < components; ++c) {
    parameters[c].dx = 1;
    parameters[c].dy = 1;
    parameters[c].w = OPJ_UINT32(width);
    parameters[c].h = OPJ_UINT32(height);
    parameters[c].prec = 8;
    parameters[c].sgnd = 0;
  }
  std::unique_ptr<opj_image_t, ImageDeleter> encoded(
      opj_image_create(OPJ_UINT32(components), parameters, OPJ_CLRSPC_SRGB));
  if (!encoded)
    return std::nullopt;
  encoded->x0 = 0;
  encoded->y0 = 0;
  encoded->x1 = OPJ_UINT32(width);
  encoded->y1 = OPJ_UINT32(height);
  if (alpha)
    encoded->comps[3].alpha = 1;
  for (int y = 0; y < height; ++y) {
    const uchar* row = image.constScanLine(y);
    for (int x = 0; x < width; ++x) {
      for (int c = 0; c < components; ++c)
        encoded->comps[c].data[std::size_t(y) * std::size_t(width) + std::size_t(x)] = row[x * components + c];
    }
  }

  opj_cparameters_t settings;
  opj_set_default_encoder_parameters(&settings);
  // One lossless layer: an export is a copy of the drawing, not an estimate.
  settings.tcp_numlayers = 1;
  settings.tcp_rates[0] = 0;
  settings.cp_disto_alloc = 1;
  settings.irreversible = 0;
  settings.tcp_mct = 1;
  // Small pictures cannot be halved six times.
  int resolutions = 1;
  for (int side = std::min(width, height); side > 1 && resolutions < 6; side /= 2)
    ++resolutions;
  settings.numresolution = resolutions;

  std::unique_ptr<opj_codec_t, CodecDeleter> codec(opj_create_compress(OPJ_CODEC_JP2));
  if (!codec || !opj_setup_encoder(codec.get(), &settings, encoded.get()))
    return std::nullopt;
  MemoryStream memory;
  std::unique_ptr<opj_stream_t, StreamDeleter> stream(opj_stream_create(OPJ_J2K_STREAM_CHUNK_SIZE, OPJ_FALSE));
  if (!stream)
    return std::nullopt;
  opj_stream_set_user_data(stream.get(), &memory, nullptr);
  opj_stream_set_write_function(stream.get(), &MemoryStream::write);
  opj_stream_set_skip_function(stream.get(), &MemoryStream::skip);
  opj_stream_set_seek_function(stream.get(), &MemoryStream::seek);
  if (!opj_start_compress(codec.get(), encoded.get(), stream.get()) || !opj_encode(codec.get(), stream.get()) ||
      !opj_end_compress(codec.get(), stream.get()))
    return std::nullopt;
  stream.reset();
  return memory.bytes;
}

QImage QtBitmapWriter::reliefImage(const Document& document, std::string& error) const {
  const SnapshotRendererMaker renderers = reliefRenderers ? reliefRenderers() : SnapshotRendererMaker();
  if (!renderers) {
    error = localized("Export", "Pictures of the relief view need OpenGL, which is not available here. "
                                "Switch to the flat view to export a picture.");
    return {};
  }
  const std::optional<RgbaImage> image = snapshot3DImage(document, renderers);
  if (!image || image->width() == 0 || image->height() == 0) {
    error = localized("Export", "The relief view could not be drawn.");
    return {};
  }
  // Without alpha the encoders take three samples, as for the flat picture.
  const QImage picture = toQImage(*image);
  return document.exportAlpha() ? picture : picture.convertToFormat(QImage::Format_RGB888);
}

std::optional<QByteArray> encodeBitmap(const QImage& image, BitmapFileType type, std::string& error) {
  if (type == BitmapFileType::jpeg2000) {
    auto encoded = encodeJpeg2000(image);
    if (!encoded)
      error = localized("Export", "The picture could not be encoded as JPEG 2000.");
    return encoded;
  }
  QByteArray data;
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, type == BitmapFileType::png ? "png" : "jpeg");
  // Qt turns a PNG's quality into the zlib level: 70 is level 2, which on
  // drawings like ours is as small as the default level and much faster.
  writer.setQuality(type == BitmapFileType::jpeg ? 90 : 70);
  if (!writer.write(image)) {
    error = formatText(localized("Export", "The picture could not be encoded: %1"),
                       {writer.errorString().toStdString()});
    return std::nullopt;
  }
  return data;
}

BitmapWork QtBitmapWriter::prepareBitmap(const Document& document, BitmapFileType type, std::string& error) {
  const auto encoded = [type](const QImage& image) {
    EncodedBitmap out;
    if (const auto data = encodeBitmap(image, type, out.error))
      out.bytes.assign(data->constData(), std::size_t(data->size()));
    return out;
  };
  if (document.displayMode() == 3) {
    // The relief keeps to the flat picture's limits: beyond them its passes
    // would take minutes and gigabytes before failing.
    if (!sizeCanBeMade(document.exportWidth(), document.exportHeight(), &error))
      return {};
    const SnapshotRendererMaker onWorker = workerReliefRenderers ? workerReliefRenderers() : SnapshotRendererMaker();
    if (onWorker) {
      std::optional<DetachedRelief> taken = takeRelief3DImage(document);
      if (!taken) {
        error = localized("Export", "The relief view could not be drawn.");
        return {};
      }
      // Shared only so that the work can be copied; one thread draws it.
      auto relief = std::make_shared<DetachedRelief>(std::move(*taken));
      return [relief, onWorker, encoded, alpha = document.exportAlpha()](Progress& progress) {
        EncodedBitmap out;
        ProgressStage drawing(progress, 0.0, 0.5);
        relief->framing.progress = &drawing;
        const std::optional<RgbaImage> image = drawRelief3DImage(*relief, onWorker);
        relief->framing.progress = nullptr;
        if (progress.shouldStop())
          return out;
        if (!image || image->width() == 0 || image->height() == 0) {
          out.error = localized("Export", "The relief view could not be drawn.");
          return out;
        }
        // Without alpha the encoders take three samples, as for the flat
        // picture.
        const QImage picture = toQImage(*image);
        return encoded(alpha ? picture : picture.convertToFormat(QImage::Format_RGB888));
      };
    }
    // OpenGL draws on this thread; encoding goes on with the picture alone.
    const QImage image = reliefImage(document, error);
    if (image.isNull())
      return {};
    return [image, encoded](Progress& progress) {
      progress.report(0.5);
      return encoded(image);
    };
  }
  const auto page = takePageImage(document, &error);
  if (!page)
    return {};
  return [page = *page, encoded](Progress& progress) {
    EncodedBitmap out;
    const QImage image = render2DImage(page, progress, &out.error);
    if (image.isNull())
      return out;
    return encoded(image);
  };
}

}  // namespace ornival
