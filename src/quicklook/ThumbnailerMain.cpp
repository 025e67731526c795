// ornival-thumbnailer -s SIZE INPUT OUTPUT: the file manager's picture of a
// document, a SIZE × SIZE PNG. Exits non-zero and writes nothing when the
// file cannot be read, is not a document or cannot be drawn, so that the file
// manager shows the type's icon instead.

#include "platform/AtomicFile.h"
#include "platform/NumberText.h"
#include "platform/qt/Translations.h"
#include "quicklook/ThumbnailProvider.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageWriter>
#include <QLocale>

#include <sys/resource.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr int smallestSize = 16;
constexpr int largestSize = 2048;
// Far longer than the largest real document takes; a file that keeps the
// program busier is hostile, and the default action of the alarm ends it
// before anything is written.
constexpr unsigned wallSeconds = 30;

// A line on the error output, in the user's language.
void say(const QString& line) { std::fprintf(stderr, "%s\n", qPrintable(line)); }

int usage() {
  say(QCoreApplication::translate("Thumbnailer", "usage: ornival-thumbnailer -s SIZE INPUT OUTPUT"));
  return 2;
}

// Memory the program writes to, where the sanitizers do not map their
// shadow up front: the largest document drawn here takes well under a fifth
// of it. Not the address space: every thread reserves a heap arena and a
// stack there, and software OpenGL starts a thread per core, so a bound on
// the address space ends the largest documents on a machine of many cores
// (or under load, where more arenas are made) though they use no more.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr rlim_t writableMemory = RLIM_INFINITY;
#else
constexpr rlim_t writableMemory = rlim_t(4) << 30;
#endif

void boundResources() {
  alarm(wallSeconds);
  rlimit cpu{wallSeconds, wallSeconds + 1};
  setrlimit(RLIMIT_CPU, &cpu);
  rlimit memory{writableMemory, writableMemory};
  setrlimit(RLIMIT_DATA, &memory);
}

// The picture is written: a process that only draws one picture need not
// take down what the OpenGL compiler and Qt built up at start, which costs
// several milliseconds of a small picture's time. Under the sanitizers the
// process ends normally, so that leaks are still reported.
[[noreturn]] void finish(int status) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
  std::exit(status);
#else
  std::fflush(nullptr);
  _exit(status);
#endif
}

}  // namespace

int main(int argc, char** argv) {
  const QCoreApplication application(argc, argv);
  // Nothing here reads a picture, and PNG is built into Qt: without a plugin
  // path, writing the PNG does not load every image format plugin (and the
  // libraries they bring) only to ask each what it can write.
  QCoreApplication::setLibraryPaths({});
  ornival::installTranslations(QLocale().uiLanguages());
  if (argc != 5 || std::string_view(argv[1]) != "-s")
    return usage();
  const auto size = ornival::parseInteger(argv[2]);
  if (!size || *size < smallestSize || *size > largestSize) {
    say(QCoreApplication::translate("Thumbnailer",
                                    "ornival-thumbnailer: the size must be a whole number from %1 to %2")
            .arg(smallestSize)
            .arg(largestSize));
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
    const char* why = QT_TRANSLATE_NOOP("Thumbnailer", "ornival-thumbnailer: %1 could not be drawn");
    if (error == ornival::DocumentFileError::unreadable)
      why = QT_TRANSLATE_NOOP("Thumbnailer", "ornival-thumbnailer: %1 cannot be read");
    else if (error == ornival::DocumentFileError::notDocument)
      why = QT_TRANSLATE_NOOP("Thumbnailer", "ornival-thumbnailer: %1 is not an Ornival document");
    else if (error == ornival::DocumentFileError::tooLarge)
      why = QT_TRANSLATE_NOOP("Thumbnailer", "ornival-thumbnailer: %1 is too large to draw");
    say(QCoreApplication::translate("Thumbnailer", why).arg(QString::fromLocal8Bit(argv[3])));
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
    say(QCoreApplication::translate("Thumbnailer", "ornival-thumbnailer: the picture of %1 could not be encoded")
            .arg(QString::fromLocal8Bit(argv[3])));
    return 1;
  }
  const std::string failure =
      ornival::writeFileAtomically(argv[4], std::string_view(png.constData(), std::size_t(png.size())));
  if (!failure.empty()) {
    say(QCoreApplication::translate("Thumbnailer", "ornival-thumbnailer: cannot write %1: %2")
            .arg(QString::fromLocal8Bit(argv[4]), QString::fromStdString(failure)));
    return 1;
  }
  finish(0);
}
