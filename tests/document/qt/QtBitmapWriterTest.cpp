#include "document/qt/QtBitmapWriter.h"

#include "document/DocumentExporter.h"
#include "platform/UserDefaults.h"
#include "support/ExportDocuments.h"
#include "support/TemporaryFolder.h"

#include <QFile>
#include <QImage>

#include <openjpeg.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <fstream>

namespace ornival {
namespace {

namespace fs = std::filesystem;

// A white square with a red one on top of it, on a page 13 units wider
// every way; at export scale 2 the picture is 149 × 245 pixels (148.6 × 245.1
// rounded).
const std::string tower = "7,1\n0,2,7,0,0\n";

QByteArray contents(const fs::path& file) {
  QFile f(QString::fromStdString(file.string()));
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

// The colour type of a PNG file: 6 with alpha (four samples), 2 without.
int pngColorType(const QByteArray& data) { return data.size() > 25 ? int(uchar(data[25])) : -1; }

struct Probe {
  double x, y;  // as fractions of the width and height, from the top left
  QColor expected;
};

void expectProbes(const QImage& image, const std::vector<Probe>& probes, int tolerance) {
  for (const Probe& p : probes) {
    const QColor c = image.pixelColor(int(p.x * image.width()), int(p.y * image.height()));
    SCOPED_TRACE(::testing::Message() << "at " << p.x << ", " << p.y << " got " << c.red() << "," << c.green() << ","
                                    << c.blue() << "," << c.alpha());
    EXPECT_NEAR(c.red(), p.expected.red(), tolerance);
    EXPECT_NEAR(c.green(), p.expected.green(), tolerance);
    EXPECT_NEAR(c.blue(), p.expected.blue(), tolerance);
    EXPECT_NEAR(c.alpha(), p.expected.alpha(), tolerance);
  }
}

// The red square is on top, as drawn; a flip would put it below. The margin
// shows the background.
const std::vector<Probe> towerProbes = {{0.5, 0.3, Qt::red}, {0.5, 0.7, Qt::white}};

TEST(QtBitmapWriterTest, BitmapsDecodeWithTheirFormatSizeAndAlpha) {
  struct Case {
    const char* name;
    std::string settings;
    BitmapFileType type;
    bool alpha;
    QColor margin;
  };
  const std::vector<Case> cases = {
      {"png, transparent page", "backgroundColor: 1A4DCC00\n", BitmapFileType::png, true, QColor(0, 0, 0, 0)},
      {"png, translucent page", "backgroundColor: 1A4DCC80\n", BitmapFileType::png, true, QColor(26, 77, 204, 128)},
      {"png, opaque page", "backgroundColor: 1A4DCCFF\n", BitmapFileType::png, false, QColor(26, 77, 204)},
      {"jpeg, opaque page", "backgroundColor: 1A4DCCFF\n", BitmapFileType::jpeg, false, QColor(26, 77, 204)},
  };
  const testing::TemporaryFolder folder("ornival-bitmap");
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.name);
    const auto live = testing::liveDocument(testing::documentText(tower, c.settings), 13.0, 2.0);
    ASSERT_EQ(live.document->exportAlpha(), c.alpha);
    const fs::path file = folder / ("case" + std::to_string(i) + (c.type == BitmapFileType::png ? ".png" : ".jpg"));
    QtBitmapWriter writer;
    ASSERT_EQ(writer.writeBitmap(*live.document, c.type, file), "");
    const QByteArray data = contents(file);
    const QImage image = QImage::fromData(data);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(149, 245));
    if (c.type == BitmapFileType::png) {
      EXPECT_TRUE(data.startsWith("\x89PNG"));
      EXPECT_EQ(pngColorType(data), c.alpha ? 6 : 2);
    } else {
      EXPECT_TRUE(data.startsWith("\xFF\xD8\xFF"));
    }
    EXPECT_EQ(image.hasAlphaChannel(), c.alpha);
    auto probes = towerProbes;
    probes.push_back({0.02, 0.02, c.margin});
    expectProbes(image, probes, c.type == BitmapFileType::jpeg ? 12 : 1);
  }
}

// Without transparency a see-through page is laid over white.
TEST(QtBitmapWriterTest, OpaquePictureFlattensTheBackgroundOverWhite) {
  const auto live = testing::liveDocument(testing::documentText(tower, "backgroundColor: 1A4DCC00\n"), 13.0, 2.0);
  live.document->setExportAlpha(false);
  const QImage image = render2DImage(*live.document);
  ASSERT_FALSE(image.isNull());
  EXPECT_FALSE(image.hasAlphaChannel());
  expectProbes(image, {{0.02, 0.02, Qt::white}, {0.5, 0.3, Qt::red}}, 1);
}

// Turned a quarter to the left, the tower lies on its side with the red
// square on the left: the page frame, measured in turned units, shows it
// whole and centred.
TEST(QtBitmapWriterTest, TurnedDocumentShowsItsPageFrame) {
  const auto live = testing::liveDocument(testing::documentText(tower, "rotation: 90.0\n"), 13.0, 2.0);
  const QImage image = render2DImage(*live.document);
  ASSERT_EQ(image.size(), QSize(245, 149));
  expectProbes(image, {{0.3, 0.5, Qt::red}, {0.7, 0.5, Qt::white}, {0.02, 0.5, QColor(0, 0, 0, 0)},
                       {0.98, 0.5, QColor(0, 0, 0, 0)}},
               1);
}

// A page frame that is smaller than the picture sits in its middle.
TEST(QtBitmapWriterTest, PageIsCentredInALargerPicture) {
  const auto live = testing::liveDocument(testing::documentText(tower), 13.0, 2.0);
  // Twice as wide: the page keeps its scale and gets margins left and right.
  live.editor->snappedPage = live.editor->snappedPageBounds();
  live.document->setExportWidth(2 * 149);
  ASSERT_EQ(live.document->exportWidth(), 298);
  ASSERT_EQ(live.document->exportHeight(), 245);
  const QImage image = render2DImage(*live.document);
  expectProbes(image, {{0.5, 0.3, Qt::red}, {0.5, 0.7, Qt::white}, {0.2, 0.5, QColor(0, 0, 0, 0)}}, 1);
}

TEST(QtBitmapWriterTest, TooLargeAPictureIsRefusedWithAReason) {
  const auto live = testing::liveDocument(testing::documentText(tower), 13.0, 2.0);
  live.document->setExportScale(2000.0);
  const testing::TemporaryFolder folder("ornival-bitmap");
  const fs::path file = folder / "Tower.png";
  QtBitmapWriter writer;
  const std::string error = writer.writeBitmap(*live.document, BitmapFileType::png, file);
  EXPECT_NE(error.find("too large"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(file));
}

// A picture that cannot be written whole (a disk failing as the data is
// synced) leaves the picture that was there and gives the system's reason.
TEST(QtBitmapWriterTest, AFailedWriteLeavesTheOldPictureAndSaysWhy) {
  struct FailingSync : FileCalls {
    int sync(int) const override {
      errno = EIO;
      return -1;
    }
  } failingSync;
  const auto live = testing::liveDocument(testing::documentText(tower), 13.0, 2.0);
  const testing::TemporaryFolder folder("ornival-bitmap");
  const fs::path file = folder / "Tower.png";
  std::ofstream(file, std::ios::binary) << "old picture";
  QtBitmapWriter writer;
  EXPECT_EQ(writer.writeBitmap(*live.document, BitmapFileType::png, file, failingSync),
            std::system_category().message(EIO));
  EXPECT_EQ(contents(file), QByteArray("old picture"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
  fs::remove_all(folder);
}

// The jpg export of a transparent page: JPEG 2000 data under ".jp2".
TEST(QtBitmapWriterTest, TransparentJpgExportIsJpeg2000NamedJp2) {
  const auto live = testing::liveDocument(testing::documentText(tower), 13.0, 2.0);
  ASSERT_TRUE(live.document->exportAlpha());
  const testing::TemporaryFolder folder("ornival-bitmap");
  MemoryUserDefaults defaults;
  defaults.setInteger("ExportFileFormat", 1);
  QtBitmapWriter writer;
  DocumentExporter exporter(live.document, {&defaults, nullptr, &writer, nullptr});
  exporter.fileURL = [&] { return std::optional(folder / "Tower.orn"); };
  const ExportResult result = exporter.exportPNG();
  ASSERT_EQ(result.error, "");
  ASSERT_EQ(result.file, folder / "Tower.jp2");
  EXPECT_FALSE(fs::exists(folder / "Tower.jpg"));

  // Decoded again: four components of 149 × 245, the red square on top.
  const std::string path = (folder / "Tower.jp2").string();
  opj_stream_t* stream = opj_stream_create_default_file_stream(path.c_str(), OPJ_TRUE);
  opj_codec_t* codec = opj_create_decompress(OPJ_CODEC_JP2);
  opj_dparameters_t parameters;
  opj_set_default_decoder_parameters(&parameters);
  ASSERT_TRUE(opj_setup_decoder(codec, &parameters));
  opj_image_t* image = nullptr;
  ASSERT_TRUE(opj_read_header(stream, codec, &image));
  ASSERT_TRUE(opj_decode(codec, stream, image));
  ASSERT_TRUE(opj_end_decompress(codec, stream));
  EXPECT_EQ(image->numcomps, 4u);
  EXPECT_EQ(image->comps[3].alpha, 1);
  ASSERT_EQ(image->x1 - image->x0, 149u);
  ASSERT_EQ(image->y1 - image->y0, 245u);
  const auto at = [&](int c, double fx, double fy) {
    return image->comps[c].data[std::size_t(fy * 245) * 149 + std::size_t(fx * 149)];
  };
  EXPECT_EQ(at(0, 0.5, 0.3), 255);
  EXPECT_EQ(at(1, 0.5, 0.3), 0);
  EXPECT_EQ(at(1, 0.5, 0.7), 255);
  EXPECT_EQ(at(3, 0.02, 0.02), 0);
  EXPECT_EQ(at(3, 0.5, 0.5), 255);
  opj_image_destroy(image);
  opj_destroy_codec(codec);
  opj_stream_destroy(stream);
}

// Without OpenGL a relief picture says why and writes nothing; the flat view
// still exports.
TEST(QtBitmapWriterTest, ReliefPictureWithoutOpenGlSaysWhy) {
  const auto live = testing::liveDocument(testing::documentText(tower), 13.0, 2.0);
  live.document->setDisplayMode(3);
  const testing::TemporaryFolder folder("ornival-bitmap");
  const fs::path target = folder / "Pattern.png";
  QtBitmapWriter writer;
  const std::string error = writer.writeBitmap(*live.document, BitmapFileType::png, target);
  EXPECT_NE(error.find("OpenGL"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(target));
}

// A relief picture where the program has no OpenGL says so and writes
// nothing, whether no renderers were given or the program finds it has none
// when it asks for them at the first relief picture.
TEST(QtBitmapWriterTest, ReliefWithoutOpenGlSaysWhyAndWritesNothing) {
  const auto live = testing::liveDocument(testing::documentText(tower));
  live.document->setDisplayMode(3);
  const testing::TemporaryFolder folder("ornival-bitmap");
  int asked = 0;
  const std::function<SnapshotRendererMaker()> none = [&asked] {
    ++asked;
    return SnapshotRendererMaker();
  };
  for (const auto& renderers : {std::function<SnapshotRendererMaker()>(), none}) {
    QtBitmapWriter writer;
    writer.reliefRenderers = renderers;
    const fs::path target = folder / "relief.png";
    EXPECT_NE(writer.writeBitmap(*live.document, BitmapFileType::png, target).find("OpenGL"), std::string::npos);
    EXPECT_FALSE(fs::exists(target));
  }
  EXPECT_EQ(asked, 1);
}

}  // namespace
}  // namespace ornival
