#pragma once

// Pages printed to PDF, looked at as a reader sees them: rasterised by
// pdftoppm and listed by pdfimages (Debian's poppler-utils), an independent
// reader of what Qt wrote.

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>
#include <QStringList>

#include <filesystem>
#include <optional>

namespace ornival::testing {

// The first page at `dpi` pixels an inch; a null image when pdftoppm is
// missing or fails.
inline QImage rasterisedPage(const std::filesystem::path& pdf, int dpi) {
  const QString program = QStandardPaths::findExecutable("pdftoppm");
  if (program.isEmpty())
    return {};
  const std::filesystem::path stem = pdf.parent_path() / (pdf.stem().string() + "-page");
  QProcess process;
  process.start(program, {"-r", QString::number(dpi), "-png", "-singlefile", "-f", "1", "-l", "1",
                          QString::fromStdString(pdf.string()), QString::fromStdString(stem.string())});
  if (!process.waitForFinished(60000) || process.exitCode() != 0)
    return {};
  return QImage(QString::fromStdString(stem.string() + ".png"));
}

// The pages of the file, counted by pdftoppm's reader; none when it fails.
inline std::optional<int> pageCount(const std::filesystem::path& pdf) {
  const QString program = QStandardPaths::findExecutable("pdfinfo");
  if (program.isEmpty())
    return std::nullopt;
  QProcess process;
  process.start(program, {QString::fromStdString(pdf.string())});
  if (!process.waitForFinished(60000) || process.exitCode() != 0)
    return std::nullopt;
  for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n'))
    if (line.startsWith("Pages:"))
      return line.mid(6).trimmed().toInt();
  return std::nullopt;
}

// Width and height in pixels of every picture placed on the pages.
inline std::vector<QSize> embeddedImageSizes(const std::filesystem::path& pdf) {
  const QString program = QStandardPaths::findExecutable("pdfimages");
  std::vector<QSize> sizes;
  if (program.isEmpty())
    return sizes;
  QProcess process;
  process.start(program, {"-list", QString::fromStdString(pdf.string())});
  if (!process.waitForFinished(60000) || process.exitCode() != 0)
    return sizes;
  const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
  // Two header lines, then: page num type width height …
  for (qsizetype i = 2; i < lines.size(); ++i) {
    const QStringList fields = lines[i].simplified().split(' ');
    if (fields.size() > 4 && fields[2] == "image")
      sizes.emplace_back(fields[3].toInt(), fields[4].toInt());
  }
  return sizes;
}

// The smallest rectangle holding every pixel that `matches`.
template <typename Match>
QRect boxOf(const QImage& image, Match matches) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (matches(image.pixelColor(x, y)))
        box = box.united(QRect(x, y, 1, 1));
  return box;
}

inline bool near(const QColor& a, const QColor& b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace ornival::testing
