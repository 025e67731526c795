// The thumbnailer run as the file manager runs it, on document files.

#include "support/ExportDocuments.h"
#include "support/TemporaryFolder.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace ornival {
namespace {

namespace fs = std::filesystem;

class ThumbnailerTest : public ::testing::Test {
protected:
  ornival::testing::TemporaryFolder folder{"ornival-thumbnailer"};

  fs::path write(const std::string& name, const std::string& bytes) {
    const auto path = folder / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  // The program's exit status; -1 when it did not exit by itself. The
  // environment's assignments go before the program.
  static int run(const fs::path& input, const fs::path& output, int size, const std::string& environment = {}) {
    const std::string command = environment + " '" + ORNIVAL_THUMBNAILER + "' -s " + std::to_string(size) + " '" +
                                input.string() + "' '" + output.string() + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  QImage thumbnail(const fs::path& input, int size = 256, const std::string& environment = {}) {
    const auto output = folder / (input.filename().string() + ".png");
    EXPECT_EQ(run(input, output, size, environment), 0) << input << " " << environment;
    QImage image(QString::fromStdString(output.string()), "png");
    return image.convertToFormat(QImage::Format_ARGB32);
  }
};

// Red squares, one or two side by side; "Café" in a line the reader passes
// over, so that the encodings differ in more than their header.
std::string squareDocument(std::string_view settings, std::string_view eAcute = "\xC3\xA9",
                           std::string_view shapes = "7,0\n") {
  return testing::documentText(shapes, settings) + "title: Caf" + std::string(eAcute) + "\n";
}

std::string twoSquares(std::string_view settings, std::string_view eAcute = "\xC3\xA9") {
  return squareDocument(settings, eAcute, "7,0\n0,1,7,3,0\n");
}

std::string utf16(std::string_view utf8) {
  std::string out = "\xFF\xFE";
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (utf8.substr(i, 2) == "\xC3\xA9") {
      out += std::string{'\xE9', '\0'};
      ++i;
    } else {
      out += std::string{utf8[i], '\0'};
    }
  }
  return out;
}

TEST_F(ThumbnailerTest, FlatDocumentKeepsItsBackgroundsAlphaAndShowsItsTileInAnyEncoding) {
  const std::string settings = "backgroundColor: 3A5A8C80\n";
  // Twice as wide as high: the background shows above and below.
  const QImage utf8 = thumbnail(write("utf8.ornival", twoSquares(settings)));
  ASSERT_EQ(utf8.size(), QSize(256, 256));
  const QColor corner = utf8.pixelColor(0, 0);
  EXPECT_NEAR(corner.alpha(), 0x80, 1);
  EXPECT_NEAR(corner.red(), 0x3A, 2);
  EXPECT_NEAR(corner.blue(), 0x8C, 2);
  EXPECT_EQ(utf8.pixelColor(64, 128), QColor(255, 0, 0));

  EXPECT_EQ(thumbnail(write("latin1.ornival", twoSquares(settings, "\xE9"))), utf8);
  EXPECT_EQ(thumbnail(write("utf16.ornival", utf16(twoSquares(settings)))), utf8);
}

TEST_F(ThumbnailerTest, ReliefDocumentIsLitOnWhite) {
  // A background of its own, which the thumbnail does not show.
  const QImage image = thumbnail(write("relief.ornival", squareDocument("backgroundColor: 000000FF\ndisplayMode: 3\n")));
  ASSERT_EQ(image.size(), QSize(256, 256));
  for (const QPoint corner : {QPoint(0, 0), QPoint(255, 0), QPoint(0, 255), QPoint(255, 255)})
    EXPECT_EQ(image.pixelColor(corner), QColor(Qt::white)) << corner.x() << "," << corner.y();
  const QColor centre = image.pixelColor(128, 128);
  EXPECT_EQ(centre.alpha(), 255);
  EXPECT_GT(centre.red(), 60);
  EXPECT_GT(centre.red(), 2 * centre.green());
  EXPECT_GT(centre.red(), 2 * centre.blue());
}

TEST_F(ThumbnailerTest, GivesTheSizeAsked) {
  const auto flat = write("flat.ornival", squareDocument(""));
  const auto relief = write("relief.ornival", squareDocument("displayMode: 3\n"));
  for (const int size : {128, 256, 512, 1024}) {
    EXPECT_EQ(thumbnail(flat, size).size(), QSize(size, size));
    EXPECT_EQ(thumbnail(relief, size).size(), QSize(size, size));
  }
}

TEST_F(ThumbnailerTest, WritesNothingForWhatIsNoDocumentOrAWrongCall) {
  const struct {
    const char* name;
    fs::path input;
    int size;
  } cases[] = {
      {"missing", folder / "missing.ornival", 256},
      {"a folder", folder, 256},
      {"empty", write("empty.ornival", ""), 256},
      {"plain text", write("notes.txt", "shapes:\n7,0\n"), 256},
      {"binary", write("picture.ornival", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)), 256},
      {"size too small", write("fine.ornival", squareDocument("")), 0},
      {"size too large", folder / "fine.ornival", 100000},
  };
  for (const auto& c : cases) {
    const auto output = folder / "out.png";
    EXPECT_NE(run(c.input, output, c.size), 0) << c.name;
    EXPECT_FALSE(fs::exists(output)) << c.name;
  }
}

// The file manager's log says why there is no picture: a file over the size
// limit is too large, not unreadable.
TEST_F(ThumbnailerTest, SaysThatAFileOverTheSizeLimitIsTooLarge) {
  // Sparse: the program refuses it by its size, before reading a byte.
  const auto big = write("big.ornival", squareDocument(""));
  fs::resize_file(big, std::uintmax_t(97) << 20);
  const auto log = folder / "log.txt";
  const std::string command = std::string("'") + ORNIVAL_THUMBNAILER + "' -s 256 '" + big.string() + "' '" +
                              (folder / "out.png").string() + "' 2>'" + log.string() + "'";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
  std::ifstream in(log);
  const std::string said((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(said.find("too large"), std::string::npos) << said;
  EXPECT_EQ(said.find("cannot be read"), std::string::npos) << said;
}

// A real full disk: a 64 KiB tmpfs in a user and mount namespace of its own,
// filled up; the picture that was there stays, and the program says why.
TEST_F(ThumbnailerTest, AFullDiskLeavesThePictureThatWasThereAndSaysSo) {
  const auto disk = folder / "disk";
  fs::create_directories(disk);
  if (std::system(("unshare -rm sh -c 'mount -t tmpfs -o size=64k tmpfs \"$0\"' '" + disk.string() + "' 2>/dev/null")
                      .c_str()) != 0)
    GTEST_SKIP() << "this machine cannot mount a small tmpfs in a private user and mount namespace "
                    "(unshare -rm), so the real full disk is not tried here";
  const auto document = write("flat.ornival", twoSquares("backgroundColor: 3A5A8CFF\n"));
  const auto log = folder / "log.txt";
  // Everything is checked inside the namespace: the tmpfs goes with it.
  const std::string script =
      "mount -t tmpfs -o size=64k tmpfs \"$0\" || exit 90\n"
      "printf old > \"$0/out.png\"\n"
      "dd if=/dev/zero of=\"$0/filler\" bs=4k 2>/dev/null\n"
      "\"$1\" -s 256 \"$2\" \"$0/out.png\" 2>\"$3\" && exit 91\n"
      "[ \"$(cat \"$0/out.png\")\" = old ] || exit 92\n"
      "[ \"$(ls -A \"$0\" | wc -l)\" -eq 2 ] || exit 93\n";
  const std::string command = "unshare -rm sh -c '" + script + "' '" + disk.string() + "' '" +
                              ORNIVAL_THUMBNAILER + "' '" + document.string() + "' '" + log.string() + "'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  // 91: it said it wrote; 92: the old picture was replaced; 93: a temporary file was left.
  EXPECT_EQ(WEXITSTATUS(status), 0);
  std::ifstream in(log);
  const std::string said((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(said.find("No space left on device"), std::string::npos) << said;
}

TEST_F(ThumbnailerTest, AReliefChainAtTheFullModelsLimitIsDrawnInRelief) {
  std::string shapes = "7,0\n";
  for (int k = 0; k + 1 < 49'000; ++k)
    shapes += std::to_string(k) + ",1,7,3," + std::to_string(k % 2) + "\n";
  const auto largest = write("largest.ornival", testing::documentText(shapes, "displayMode: 3\n"));
  // Software OpenGL draws with a thread per core, as on a machine of 32 or
  // 64: each thread's stack and heap reservation must not count against the
  // memory the program allows itself.
  for (const std::string environment : {"", "LP_NUM_THREADS=32", "LP_NUM_THREADS=64"}) {
    const QImage image = thumbnail(largest, 256, environment);
    ASSERT_EQ(image.size(), QSize(256, 256)) << environment;
    // Lit on white: the relief's picture, not the flat one on the background.
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white)) << environment;
  }
}

// 2000 × 500 red squares, a relief document: far beyond what the full model
// takes, drawn flat on its own background within the time and memory the
// program allows itself, or it would have been ended.
TEST_F(ThumbnailerTest, AMillionTilesAreDrawnFlatWithinTheProgramsLimits) {
  constexpr int columns = 2000;
  constexpr int rows = 500;
  std::string shapes;
  shapes.reserve(std::size_t(columns) * rows * 16);
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < columns; ++x) {
      const int index = y * columns + x;
      if (index == 0)
        shapes += "7,0\n";
      else if (x == 0)
        shapes += std::to_string(index - columns) + ",2,7,0,0\n";
      else
        shapes += std::to_string(index - 1) + ",1,7,3,0\n";
    }
  const QImage image = thumbnail(write(
      "million.ornival",
      testing::documentText(shapes, "borderWidth: 0.0,0.0,0.0\nbackgroundColor: 3A5A8CFF\ndisplayMode: 3\n")));
  ASSERT_EQ(image.size(), QSize(256, 256));
  EXPECT_EQ(image.pixelColor(128, 128), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(128, 8), QColor(0x3A, 0x5A, 0x8C));
}

}  // namespace
}  // namespace ornival

namespace ornival {
namespace {

// As GNOME's file manager runs a thumbnailer: only /usr, read-only, and the
// loader's cache; a bare /dev; a fresh /tmp holding the input and taking the
// output; no network, no display, no session bus, no environment.
TEST_F(ThumbnailerTest, DrawsInsideTheFileManagersSandbox) {
  if (std::system("command -v bwrap >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "bwrap is not installed (package bubblewrap)";
  if (std::system("bwrap --ro-bind / / --unshare-all true >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "bwrap cannot make a sandbox here: user namespaces are not available";
  const auto sandboxTmp = folder / "tmp";
  fs::create_directories(sandboxTmp);
  const auto sandboxed = [&](const fs::path& input) {
    const std::string command =
        "bwrap --ro-bind /usr /usr --symlink usr/lib /lib --symlink usr/lib64 /lib64 --symlink usr/bin /bin"
        " --symlink usr/sbin /sbin --ro-bind /etc/ld.so.cache /etc/ld.so.cache --proc /proc --dev /dev"
        " --bind '" + sandboxTmp.string() + "' /tmp --ro-bind '" + input.string() +
        "' /tmp/file-to-thumbnail.ornival --ro-bind '" + ORNIVAL_THUMBNAILER +
        "' /opt/ornival-thumbnailer --unshare-all --die-with-parent --clearenv --setenv PATH /usr/bin --chdir /"
        " /opt/ornival-thumbnailer -s 256 /tmp/file-to-thumbnail.ornival /tmp/thumbnail.png";
    fs::remove(sandboxTmp / "thumbnail.png");
    EXPECT_EQ(std::system(command.c_str()), 0) << input;
    return QImage(QString::fromStdString((sandboxTmp / "thumbnail.png").string()), "png");
  };

  const auto flat = write("flat.ornival", twoSquares("backgroundColor: 3A5A8CFF\n"));
  const QImage flatPicture = sandboxed(flat);
  EXPECT_EQ(flatPicture.size(), QSize(256, 256));
  EXPECT_EQ(flatPicture.convertToFormat(QImage::Format_ARGB32), thumbnail(flat));

  const auto relief = write("relief.ornival", squareDocument("displayMode: 3\n"));
  const QImage reliefPicture = sandboxed(relief).convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(reliefPicture.size(), QSize(256, 256));
  EXPECT_EQ(reliefPicture.pixelColor(0, 0), QColor(Qt::white));
  EXPECT_GT(reliefPicture.pixelColor(128, 128).red(), 2 * reliefPicture.pixelColor(128, 128).green());
}

}  // namespace
}  // namespace ornival
