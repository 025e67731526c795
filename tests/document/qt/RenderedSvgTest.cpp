// The SVG drawing and the bitmap export of the same page, drawn by two
// independent SVG renderers and by our painter, must agree pixel for pixel
// up to antialiasing.

#include "document/DocumentExporter.h"
#include "document/OrnivalModel.h"
#include "document/qt/QtBitmapWriter.h"
#include "platform/NumberText.h"
#include "support/ExportDocuments.h"
#include "support/TemporaryFolder.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace ornival {
namespace {

namespace fs = std::filesystem;

struct Difference {
  // Pixels that differ after both pictures are softened over 3 × 3 pixels,
  // as a fraction of all pixels: renderers may cover an edge pixel
  // differently (most of all where two outlines coincide), a drawing moved,
  // missing or in another colour still shows.
  double strayFraction = 1.0;
  // The mean of the largest channel difference, premultiplied, 0…255.
  double meanDifference = 255.0;
};

int channelDifference(QRgb p, QRgb q) {
  return std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q)),
                   std::abs(qAlpha(p) - qAlpha(q))});
}

QImage softened(const QImage& image) {
  const int w = image.width(), h = image.height();
  QImage out(image.size(), QImage::Format_ARGB32_Premultiplied);
  for (int row = 0; row < h; ++row) {
    for (int col = 0; col < w; ++col) {
      int sum[4] = {0, 0, 0, 0}, n = 0;
      for (int r = std::max(0, row - 1); r <= std::min(h - 1, row + 1); ++r) {
        for (int c = std::max(0, col - 1); c <= std::min(w - 1, col + 1); ++c) {
          const QRgb p = reinterpret_cast<const QRgb*>(image.constScanLine(r))[c];
          sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p), sum[3] += qAlpha(p), ++n;
        }
      }
      out.setPixel(col, row, qRgba(sum[0] / n, sum[1] / n, sum[2] / n, sum[3] / n));
    }
  }
  return out;
}

Difference compare(const QImage& a, const QImage& b, const fs::path& diffFile) {
  const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (x.size() != y.size())
    return {};
  const QImage sx = softened(x), sy = softened(y);
  const int w = x.width(), h = x.height();
  const auto at = [](const QImage& image, int col, int row) {
    return reinterpret_cast<const QRgb*>(image.constScanLine(row))[col];
  };
  QImage diff(x.size(), QImage::Format_RGB32);
  long stray = 0;
  double sum = 0.0;
  for (int row = 0; row < h; ++row) {
    for (int col = 0; col < w; ++col) {
      const int d = channelDifference(at(x, col, row), at(y, col, row));
      sum += d;
      const bool off = channelDifference(at(sx, col, row), at(sy, col, row)) > 48;
      stray += off;
      diff.setPixel(col, row, off ? qRgb(255, 0, 0) : qRgb(d, d, d));
    }
  }
  diff.save(QString::fromStdString(diffFile.string()));
  const double n = double(w) * h;
  return {double(stray) / n, sum / n};
}

QImage renderWithQt(const std::string& svg, QSize size) {
  QSvgRenderer renderer(QByteArray::fromStdString(svg));
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

QImage renderWithRsvg(const fs::path& svgFile, QSize size, const fs::path& pngFile) {
  const QString program = QStandardPaths::findExecutable("rsvg-convert");
  if (program.isEmpty())
    return {};
  QProcess process;
  process.start(program, {"-w", QString::number(size.width()), "-h", QString::number(size.height()), "-f", "png",
                          "-o", QString::fromStdString(pngFile.string()), QString::fromStdString(svgFile.string())});
  if (!process.waitForFinished(60000) || process.exitCode() != 0)
    return {};
  return QImage(QString::fromStdString(pngFile.string()));
}

// The drawing with its view box set to exactly what the bitmap shows: the
// bitmap's whole pixels at the export scale, centred on the drawing, so that
// neither picture is stretched against the other. With `absoluteBackground`
// the background rectangle is given in user units, since QtSvg measures
// percentages against 100 user units rather than the view box.
std::string framed(const std::string& svg, QSize pixels, double scale, bool absoluteBackground) {
  const std::string key = "viewBox=\"0 0 ";
  const std::size_t at = svg.find(key);
  const std::size_t end = svg.find('"', at + key.size());
  const std::string size = svg.substr(at + key.size(), end - at - key.size());
  const double width = parseNumber(size.substr(0, size.find(' '))).value_or(0.0);
  const double height = parseNumber(size.substr(size.find(' ') + 1)).value_or(0.0);
  const double w = pixels.width() / scale, h = pixels.height() / scale;
  const std::string x = formatNumber((width - w) / 2), y = formatNumber((height - h) / 2);
  std::string out = svg.substr(0, at) + "viewBox=\"" + x + " " + y + " " + formatNumber(w) + " " + formatNumber(h) +
                    svg.substr(end);
  const std::string rect = "<rect x=\"0\" y=\"0\" width=\"100%\" height=\"100%\"";
  if (const std::size_t r = out.find(rect); absoluteBackground && r != std::string::npos)
    out.replace(r, rect.size(),
                "<rect x=\"" + x + "\" y=\"" + y + "\" width=\"" + formatNumber(w) + "\" height=\"" + formatNumber(h) + "\"");
  return out;
}

const std::string fourSquares = "7,0\n0,1,7,3,1\n0,2,7,0,1\n1,2,7,0,0\n";
// A square and a triangle on each of its sides: corners of two kinds.
const std::string squareWithTriangles = "7,0\n0,0,1,0,1\n0,1,1,0,1\n0,2,1,0,1\n0,3,1,0,1\n";
// A rhombus of an eighth turn: a mitred band reaches 2.6 half-widths beyond
// its acute corners, within the SVG's limit of 4 and beyond the 2 (a 60°
// corner) where a painter that reads the limit otherwise cuts it.
const std::string acuteRhombus = "3,0\n";

TEST(RenderedSvgTest, SvgAndBitmapOfThePageAgree) {
  struct Case {
    const char* name;
    std::string shapes;
    std::string settings;
    // Around the tiles on the page, which is the bitmap.
    double margin = 13.0;
  };
  const std::vector<Case> cases = {
      {"plain", fourSquares, ""},
      {"turned", fourSquares, "rotation: 30.0\n"},
      {"bands", fourSquares,
       "borderColor: 000000FF,FFFF00FF,0000FFFF\nborderWidth: 6.0,3.0,1.0\nborderLineStyle: 1\n"
       "backgroundColor: 1A4DCCFF\n"},
      {"crossings", fourSquares,
       "borderColor: 000000FF,FFFFFFFF,000000FF\nborderWidth: 6.0,3.0,0.0\ncrossings: 1\n"},
      {"rounded", squareWithTriangles,
       "shapeFactor: 0.6\nborderFactor: 0.6\nborderWidth: 3.0,0.0,0.0\nrotation: -45.0\n"},
      {"translucent", squareWithTriangles, "backgroundColor: 1A4DCC80\nborderColor: 00000080,FFFFFFFF,000000FF\n"},
      {"acute", acuteRhombus, "borderWidth: 10.0,0.0,0.0\nborderColor: 000000FF,FFFFFFFF,000000FF\n", 20.0},
  };
  const testing::TemporaryFolder folder("ornival-rendered");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto live = testing::liveDocument(testing::documentText(c.shapes, c.settings), c.margin, 3.0);
    const QImage bitmap = render2DImage(*live.document);
    ASSERT_FALSE(bitmap.isNull());
    bitmap.save(QString::fromStdString((folder / (std::string(c.name) + "-bitmap.png")).string()));

    DocumentExporter exporter(live.document, {});
    const std::string svg = exporter.svgModel()->svg();
    QXmlStreamReader xml(QByteArray::fromStdString(svg));
    while (!xml.atEnd())
      xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    const fs::path svgFile = folder / (std::string(c.name) + ".svg");
    {
      QFile file(QString::fromStdString(svgFile.string()));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(QByteArray::fromStdString(framed(svg, bitmap.size(), 3.0, false)));
    }

    const QImage rsvg = renderWithRsvg(svgFile, bitmap.size(), folder / (std::string(c.name) + "-rsvg.png"));
    ASSERT_FALSE(rsvg.isNull()) << "rsvg-convert (Debian package librsvg2-bin) did not render " << svgFile;
    const Difference fromRsvg = compare(bitmap, rsvg, folder / (std::string(c.name) + "-diff-rsvg.png"));
    EXPECT_LT(fromRsvg.strayFraction, 0.0005) << "mean " << fromRsvg.meanDifference;
    EXPECT_LT(fromRsvg.meanDifference, 4.0);

    const QImage qt = renderWithQt(framed(svg, bitmap.size(), 3.0, true), bitmap.size());
    const Difference fromQt = compare(bitmap, qt, folder / (std::string(c.name) + "-diff-qt.png"));
    EXPECT_LT(fromQt.strayFraction, 0.0005) << "mean " << fromQt.meanDifference;
    EXPECT_LT(fromQt.meanDifference, 4.0);
    std::printf("%s: rsvg %.5f %.3f, qt %.5f %.3f\n", c.name, fromRsvg.strayFraction, fromRsvg.meanDifference,
                fromQt.strayFraction, fromQt.meanDifference);
  }
}

}  // namespace
}  // namespace ornival
