#include "document/DocumentExporter.h"

#include "document/ExportFileFormat.h"
#include "document/FilePresenter.h"
#include "platform/FileViewer.h"
#include "platform/UserDefaults.h"
#include "support/ExportDocuments.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace ornival {
namespace {

namespace fs = std::filesystem;

struct RecordingViewer : FileViewer {
  std::vector<fs::path> revealed;
  void reveal(const fs::path& file) override { revealed.push_back(file); }
};

struct RecordingWindow : ExportWindow {
  std::vector<std::string> log;
  void showExportPopover() override { log.push_back("show popover"); }
  void closeExportPopover() override { log.push_back("close popover"); }
  void presentExportError(const std::string& message) override { log.push_back("error: " + message); }
};

// Encodes a few bytes naming the type, or fails with a given reason.
struct FakeBitmapWriter : BitmapWriter {
  std::vector<BitmapFileType> written;
  std::string failure;
  BitmapWork prepareBitmap(const Document&, BitmapFileType type, std::string& error) override {
    if (!failure.empty()) {
      error = failure;
      return {};
    }
    written.push_back(type);
    return [type](Progress&) { return EncodedBitmap{std::to_string(int(type)), {}}; };
  }
};

std::string contents(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct Exporting : ::testing::Test {
  testing::TemporaryFolder folder{"ornival-export"};
  testing::LiveDocument live = testing::liveDocument(testing::documentText());
  MemoryUserDefaults defaults;
  RecordingViewer viewer;
  RecordingWindow window;
  FakeBitmapWriter bitmaps;
  std::optional<fs::path> documentFile;
  DocumentExporter exporter{live.document, {&defaults, &viewer, &bitmaps, &window}};

  void SetUp() override {
    documentFile = folder / "Pattern.orn";
    exporter.fileURL = [this] { return documentFile; };
  }
};

TEST(ExportFileFormatTest, RawValuesAndExtensions) {
  const std::vector<std::string> extensions = {"png", "jpg", "svg", "dae", "obj", "stl", "scn",
                                               "abc", "ply", "usd", "usda", "usdc", "usdz"};
  for (int raw = 0; raw < 13; ++raw) {
    const auto format = exportFileFormat(raw);
    ASSERT_TRUE(format);
    EXPECT_EQ(pathExtension(*format), extensions[std::size_t(raw)]);
    EXPECT_EQ(isBitmap(*format), raw <= 1);
    EXPECT_EQ(isScene(*format), raw >= 3);
  }
  EXPECT_FALSE(exportFileFormat(-1));
  EXPECT_FALSE(exportFileFormat(13));
}

TEST(FilePresenterTest, ExportFileIsTheDocumentsSibling) {
  struct Case {
    fs::path document;
    std::string extension;
    std::optional<fs::path> expected;
  };
  const std::vector<Case> cases = {
      {"/home/u/Pattern.orn", "svg", fs::path("/home/u/Pattern.svg")},
      {"/home/u/Pattern", "svg", fs::path("/home/u/Pattern.svg")},
      {"/home/u/Pattern.orn", "usdz", fs::path("/home/u/Pattern.usdz")},
      {"/home/u/Pattern.orn", "", fs::path("/home/u/Pattern.orn")},
      {"/home/u/my.pattern.orn", "png", fs::path("/home/u/my.pattern.png")},
      {"/home/u.d/Pattern", "jpg", fs::path("/home/u.d/Pattern.jpg")},
      {"/home/u/", "svg", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.document.string() + " as " + c.extension);
    const FilePresenter presenter(c.document, c.extension);
    EXPECT_EQ(presenter.primaryPresentedItemURL, c.document);
    EXPECT_EQ(presenter.presentedItemURL, c.expected);
  }
}

// The File menu's items send their tags through the window (the window's
// tests); a sender without a tag, or with one that is no format, does
// nothing.
TEST_F(Exporting, NoTagOrOneThatIsNoFormatDoesNothing) {
  exporter.exportTagged(std::nullopt);
  exporter.exportTagged(13);
  exporter.exportTagged(-1);
  EXPECT_TRUE(window.log.empty());
  EXPECT_TRUE(fs::is_empty(folder));
  EXPECT_TRUE(viewer.revealed.empty());
}

// An editor without a relief view has no scene to write, and abc, usdc and
// scn cannot be written at all: each says why, and nothing is claimed.
TEST_F(Exporting, SceneFormatsWithoutASceneOrAWriterSayWhy) {
  for (int tag = 3; tag <= 12; ++tag)
    exporter.exportTagged(tag);
  ASSERT_EQ(window.log.size(), 10u);
  for (const auto& [tag, extension] : {std::pair{6, "scn"}, {7, "abc"}, {11, "usdc"}})
    EXPECT_NE(window.log[std::size_t(tag - 3)].find(extension), std::string::npos) << window.log[std::size_t(tag - 3)];
  EXPECT_NE(window.log[0].find("no 3D scene"), std::string::npos) << window.log[0];
  EXPECT_TRUE(viewer.revealed.empty());
  EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(Exporting, NeverSavedDocumentExportsNothing) {
  documentFile.reset();
  for (int tag = 0; tag <= 12; ++tag)
    exporter.exportTagged(tag);
  EXPECT_EQ(exporter.exportPNG().file, std::nullopt);
  EXPECT_EQ(exporter.exportSVG().file, std::nullopt);
  EXPECT_TRUE(bitmaps.written.empty());
  EXPECT_TRUE(viewer.revealed.empty());
  EXPECT_TRUE(fs::is_empty(folder));
}

// Only the jpg format gives JPEG: the stored default may hold anything, and
// a bitmap is never written under another format's extension. A jpg that
// keeps transparency is JPEG 2000 and is named so.
TEST_F(Exporting, BitmapFormatFollowsTheUserDefault) {
  struct Case {
    std::optional<std::int64_t> stored;
    bool alpha;
    BitmapFileType type;
    std::string file;
  };
  const std::vector<Case> cases = {
      {std::nullopt, true, BitmapFileType::png, "Pattern.png"},
      {0, false, BitmapFileType::png, "Pattern.png"},
      {99, true, BitmapFileType::png, "Pattern.png"},
      {-1, true, BitmapFileType::png, "Pattern.png"},
      {2, true, BitmapFileType::png, "Pattern.png"},
      {4, false, BitmapFileType::png, "Pattern.png"},
      {1, false, BitmapFileType::jpeg, "Pattern.jpg"},
      {1, true, BitmapFileType::jpeg2000, "Pattern.jp2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file + " from " + (c.stored ? std::to_string(*c.stored) : "nothing"));
    MemoryUserDefaults stored;
    if (c.stored)
      stored.setInteger("ExportFileFormat", *c.stored);
    RecordingViewer shown;
    FakeBitmapWriter writer;
    DocumentExporter bitmapExporter(live.document, {&stored, &shown, &writer, nullptr});
    bitmapExporter.fileURL = exporter.fileURL;
    live.document->setExportAlpha(c.alpha);
    const ExportResult result = bitmapExporter.exportPNG();
    EXPECT_EQ(result.error, "");
    ASSERT_EQ(writer.written.size(), 1u);
    EXPECT_EQ(writer.written[0], c.type);
    EXPECT_EQ(contents(folder / c.file), std::to_string(int(c.type)));
    EXPECT_EQ(result.file, folder / c.file);
    EXPECT_EQ(shown.revealed, std::vector<fs::path>{folder / c.file});
  }
}

TEST_F(Exporting, BitmapExportClosesThePopover) {
  exporter.exportPNG();
  EXPECT_EQ(window.log, std::vector<std::string>{"close popover"});
}

// A write that fails says why and reveals nothing.
TEST_F(Exporting, FailedWritesSayWhyAndRevealNothing) {
  bitmaps.failure = "A picture of 90000 × 90000 pixels is too large to make.";
  const ExportResult bitmap = exporter.exportPNG();
  EXPECT_EQ(bitmap.file, std::nullopt);
  EXPECT_NE(bitmap.error.find("Pattern.png"), std::string::npos) << bitmap.error;
  EXPECT_NE(bitmap.error.find("too large"), std::string::npos) << bitmap.error;

  documentFile = folder / "gone" / "Pattern.orn";
  const ExportResult svg = exporter.exportSVG();
  EXPECT_EQ(svg.file, std::nullopt);
  EXPECT_NE(svg.error.find("Pattern.svg"), std::string::npos) << svg.error;

  EXPECT_TRUE(viewer.revealed.empty());
  ASSERT_EQ(window.log.size(), 3u);
  EXPECT_EQ(window.log[1], "error: " + bitmap.error);
  EXPECT_EQ(window.log[2], "error: " + svg.error);
}

// A document saved under an export's own extension is never overwritten by
// that export.
TEST_F(Exporting, ExportOverTheDocumentItselfIsRefused) {
  for (const std::string name : {"Pattern.svg", "Pattern.png"}) {
    SCOPED_TRACE(name);
    documentFile = folder / name;
    std::ofstream(*documentFile) << "Ornival 0.2\n";
    const ExportResult result = name.ends_with("svg") ? exporter.exportSVG() : exporter.exportPNG();
    EXPECT_EQ(result.file, std::nullopt);
    EXPECT_NE(result.error.find("replace the document"), std::string::npos) << result.error;
    EXPECT_EQ(contents(*documentFile), "Ornival 0.2\n");
  }
  EXPECT_TRUE(bitmaps.written.empty());
  EXPECT_TRUE(viewer.revealed.empty());
}

// The writer draws the relief itself; the exporter treats it as any picture.
TEST_F(Exporting, ReliefPictureGoesToTheWriterLikeAFlatOne) {
  live.document->setDisplayMode(3);
  const ExportResult result = exporter.exportPNG();
  EXPECT_TRUE(result.error.empty()) << result.error;
  ASSERT_EQ(bitmaps.written.size(), 1u);
  EXPECT_EQ(result.file, folder / "Pattern.png");
}

// The SVG drawing of the live tiles with the document's settings, the
// tiles' joins left as they are.
TEST_F(Exporting, SvgIsTheLiveDrawing) {
  live.document->setBorderWidth(5.0);
  const auto& tiles = live.editor->graph().shapes();
  const auto model = exporter.svgModel();
  ASSERT_TRUE(model);
  EXPECT_EQ(model->shapes, tiles);
  EXPECT_EQ(model->settings, live.document->fileSettings());
  std::vector<std::shared_ptr<Edge>> joins;
  for (const auto& tile : tiles)
    for (const auto& edge : tile->edges())
      joins.push_back(edge->join.lock());

  ASSERT_EQ(exporter.exportSVG().error, "");
  const std::string svg = contents(folder / "Pattern.svg");
  EXPECT_NE(svg.find("stroke-width=\"5.0\""), std::string::npos);
  EXPECT_NE(svg.find("<use"), svg.rfind("<use")) << "one reference per tile";
  std::size_t at = 0;
  for (const auto& tile : tiles)
    for (const auto& edge : tile->edges())
      EXPECT_EQ(edge->join.lock(), joins[at++]);

  live.document->setViewController({});
  EXPECT_FALSE(exporter.svgModel());
  EXPECT_EQ(exporter.exportSVG().file, std::nullopt);
}

// The export draws from a snapshot of the tiles, glued anew on the queue's
// thread: the text is the live drawing's, to the byte, also with groups and
// crossings.
TEST_F(Exporting, SvgOfTheSnapshotIsTheLiveDrawingsText) {
  for (const auto& entry : fs::directory_iterator(ORNIVAL_EXAMPLES)) {
    SCOPED_TRACE(entry.path().filename().string());
    const testing::LiveDocument example =
        testing::liveDocument(contents(entry.path()) + "\ncrossings: 1\nborderWidth: 2.0,5.0,8.0\n");
    DocumentExporter exporting(example.document, {});
    exporting.fileURL = exporter.fileURL;
    ASSERT_EQ(exporting.exportSVG().error, "");
    EXPECT_TRUE(contents(folder / "Pattern.svg") == exporting.svgModel()->svg());
  }
}

}  // namespace
}  // namespace ornival
