// ornival-thumbnailer -s SIZE INPUT OUTPUT: the file manager's picture of a
// document, a SIZE × SIZE PNG. Exits non-zero and writes nothing when the
// file cannot be read, is not a document or cannot be drawn, so that the file
// manager shows the type's icon instead.

#include "platform/AtomicFile.h"
#include "platform/NumberText.h"
#include "quicklook/ThumbnailProvider.h"

#include <QBuffer>
#include <QImageWriter>

#include <sys/resource.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace {

constexpr int smallestSize = 16;
constexpr int largestSize = 2048;
// Far longer than the largest real document takes; a file that keeps the
// program busier is hostile, and the default action of the alarm ends it
// before anything is written.
constexpr unsigned wallSeconds = 30;

int usage() {
  std::fputs("usage: ornival-thumbnailer -s SIZE INPUT OUTPUT\n", stderr);
  return 2;
}

// Address space, where the sanitizers do not reserve theirs up front: the
// largest document drawn here takes well under a third of it.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr rlim_t addressSpace = RLIM_INFINITY;
#else
constexpr rlim_t addressSpace = rlim_t(4) << 30;
#endif

void boundResources() {
  alarm(wallSeconds);
  rlimit cpu{wallSeconds, wallSeconds + 1};
  setrlimit(RLIMIT_CPU, &cpu);
  rlimit memory{addressSpace, addressSpace};
  setrlimit(RLIMIT_AS, &memory);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5 || std::string_view(argv[1]) != "-s")
    return usage();
  const auto size = ornival::parseInteger(argv[2]);
  if (!size || *size < smallestSize || *size > largestSize) {
    std::fprintf(stderr, "ornival-thumbnailer: the size must be a whole number from %d to %d\n", smallestSize,
                 largestSize);
    return 2;
  }
  boundResources();
  // Software OpenGL compiles the relief's shaders in every process, and where
  // it cannot keep them on disk (the file managers' sandboxes) that is most of
  // a small picture's time: unoptimised they compile in two thirds of it and
  // draw a few hundred pixels a side no slower. Large pictures keep them
  // optimised. A setting of the user's stays.
  if (*size <= 512)
    setenv("GALLIVM_PERF", "nopt", 0);

  ornival::DocumentFileError error = ornival::DocumentFileError::none;
  const auto image = ornival::ThumbnailProvider::drawThumbnail(argv[3], int(*size), error);
  if (!image) {
    const char* why = error == ornival::DocumentFileError::unreadable    ? "cannot be read"
                      : error == ornival::DocumentFileError::notDocument ? "is not an Ornival document"
                      : error == ornival::DocumentFileError::tooLarge    ? "is too large to draw"
                                                                         : "could not be drawn";
    std::fprintf(stderr, "ornival-thumbnailer: %s %s\n", argv[3], why);
    return 1;
  }
  // Written whole or not at all: a half-written picture would be cached.
  // Encoded in memory first, so that a full disk shows in the write.
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  // Qt's quality 70 is zlib level 2: as small as the default on pictures like
  // these, in a fraction of the time.
  writer.setQuality(70);
  if (!writer.write(*image)) {
    std::fprintf(stderr, "ornival-thumbnailer: the picture of %s could not be encoded\n", argv[3]);
    return 1;
  }
  const std::string failure =
      ornival::writeFileAtomically(argv[4], std::string_view(png.constData(), std::size_t(png.size())));
  if (!failure.empty()) {
    std::fprintf(stderr, "ornival-thumbnailer: cannot write %s: %s\n", argv[4], failure.c_str());
    return 1;
  }
  return 0;
}
