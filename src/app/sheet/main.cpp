// ornival-sheet: draws the whole figure catalogue onto one page.
//
//   ornival-sheet [SVG-FILE] [--png PNG-FILE] [--from RAW] [--to RAW] [--turned]
//
// Writes the SVG (catalogue.svg unless named) and, when asked, the same page
// as a PNG. --from and --to draw only the figures of those raw values, both
// included; --turned draws each figure as its icon stands. Needs no display.

#include "app/sheet/CatalogueSheet.h"
#include "figures/catalogue/Shapes.h"
#include "platform/AtomicFile.h"
#include "platform/NumberText.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

namespace {

int usage() {
  std::cerr << "usage: ornival-sheet [SVG-FILE] [--png PNG-FILE] [--from RAW] [--to RAW] [--turned]\n";
  return 2;
}

bool writeText(const std::string& path, std::string_view text) {
  const std::string failure = ornival::writeFileAtomically(path, text);
  if (!failure.empty())
    std::cerr << "ornival-sheet: " << path << ": " << failure << "\n";
  return failure.empty();
}

bool writePng(int argc, char** argv, const std::string& svg, const std::string& path) {
  // The page is drawn off screen; without this Qt would look for a display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  QSvgRenderer renderer(QByteArray(svg.data(), qsizetype(svg.size())));
  if (!renderer.isValid())
    return false;
  QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
  if (image.isNull())
    return false;
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  renderer.render(&painter);
  painter.end();
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  return image.save(&buffer, "PNG") && writeText(path, std::string_view(png.constData(), std::size_t(png.size())));
}

}  // namespace

int main(int argc, char** argv) {
  std::string svgPath = "catalogue.svg";
  std::string pngPath;
  bool svgNamed = false;
  ornival::CatalogueSheet sheet;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--png" && i + 1 < argc)
      pngPath = argv[++i];
    else if (arg == "--turned")
      sheet.turned = true;
    else if ((arg == "--from" || arg == "--to") && i + 1 < argc) {
      const auto value = ornival::parseInteger(argv[++i]);
      if (!value || *value < ornival::Shapes::firstRawValue || *value >= ornival::Shapes::firstRawValue + ornival::Shapes::caseCount)
        return usage();
      (arg == "--from" ? sheet.firstRawValue : sheet.lastRawValue) = int(*value);
    } else if (!arg.empty() && arg[0] != '-' && !svgNamed) {
      svgPath = arg;
      svgNamed = true;
    } else
      return usage();
  }

  if (sheet.firstRawValue > sheet.lastRawValue)
    return usage();
  const std::string svg = sheet.svg();
  if (!writeText(svgPath, svg)) {
    std::cerr << "ornival-sheet: cannot write " << svgPath << "\n";
    return EXIT_FAILURE;
  }
  std::cout << "wrote " << svgPath << "\n";
  if (!pngPath.empty()) {
    if (!writePng(argc, argv, svg, pngPath)) {
      std::cerr << "ornival-sheet: cannot write " << pngPath << "\n";
      return EXIT_FAILURE;
    }
    std::cout << "wrote " << pngPath << "\n";
  }
  return EXIT_SUCCESS;
}
