#include "document/DocumentExporter.h"

#include "document/Document.h"
#include "document/DocumentEditor.h"
#include "document/FilePresenter.h"
#include "document/TilingSnapshot.h"
#include "document/OrnivalModel.h"
#include "document/scene/ExportScene.h"
#include "document/scene/SceneWriters.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/AtomicFile.h"
#include "platform/FileViewer.h"
#include "platform/Localization.h"
#include "platform/NumberText.h"
#include "platform/OperationQueue.h"
#include "platform/Task.h"
#include "platform/UserDefaults.h"

#include <chrono>
#include <mutex>
#include <system_error>

namespace ornival {

namespace {

constexpr std::string_view exportFormatKey = "ExportFileFormat";

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::error_code error;
  if (std::filesystem::equivalent(a, b, error))
    return true;
  return std::filesystem::absolute(a, error).lexically_normal() ==
         std::filesystem::absolute(b, error).lexically_normal();
}

std::string quoted(const std::filesystem::path& file) { return "\u201C" + file.filename().string() + "\u201D"; }

std::string couldNotWrite(const std::filesystem::path& file, const std::string& why) {
  return formatText(localized("Export", "Could not write %1: %2"), {quoted(file), why});
}

std::string replacesDocument() {
  return localized("Export", "The export would replace the document itself. "
                             "Save the document under another name first.");
}

// Held while an export checks that it still stands and writes its files.
std::mutex& exportWrites() {
  static std::mutex mutex;
  return mutex;
}

std::string twoDigits(unsigned value) { return (value < 10 ? "0" : "") + formatInteger(value); }

std::string currentTime() {
  using namespace std::chrono;
  const auto now = floor<seconds>(system_clock::now());
  const auto day = floor<days>(now);
  const year_month_day date(day);
  const hh_mm_ss time(now - day);
  return formatInteger(int(date.year())) + "-" + twoDigits(unsigned(date.month())) + "-" +
         twoDigits(unsigned(date.day())) + "T" + twoDigits(unsigned(time.hours().count())) + ":" +
         twoDigits(unsigned(time.minutes().count())) + ":" + twoDigits(unsigned(time.seconds().count())) + "Z";
}

}  // namespace

std::string BitmapWriter::writeBitmap(const Document& document, BitmapFileType type,
                                      const std::filesystem::path& target, const FileCalls& files) {
  std::string error;
  const BitmapWork work = prepareBitmap(document, type, error);
  if (!work)
    return error;
  const EncodedBitmap picture = work(Progress::none());
  if (!picture.error.empty())
    return picture.error;
  return writeFileAtomically(target, picture.bytes, files);
}

DocumentExporter::DocumentExporter(std::weak_ptr<Document> document, Services services)
    : document_(std::move(document)), services_(std::move(services)) {}

void DocumentExporter::exportTagged(std::optional<std::int64_t> tag) {
  if (!tag)
    return;
  const auto format = exportFileFormat(*tag);
  if (!format)
    return;
  if (isBitmap(*format)) {
    if (services_.window)
      services_.window->showExportPopover();
  } else if (*format == ExportFileFormat::svg) {
    exportSVG();
  } else {
    export3D(*format);
  }
}

std::optional<std::filesystem::path> DocumentExporter::target(std::string_view extension,
                                                              ExportResult& result) const {
  const auto url = fileURL ? fileURL() : std::nullopt;
  if (!url)
    return std::nullopt;
  const FilePresenter presenter(*url, extension);
  if (!presenter.presentedItemURL)
    return std::nullopt;
  // A document saved under an export's extension would be overwritten by
  // its own export.
  if (sameFile(*presenter.presentedItemURL, *url)) {
    result.error = replacesDocument();
    return std::nullopt;
  }
  return presenter.presentedItemURL;
}

void DocumentExporter::finish(const Services& services, const ExportResult& result) {
  if (!result.error.empty()) {
    if (services.window)
      services.window->presentExportError(result.error);
  } else if (result.file && services.viewer) {
    services.viewer->reveal(*result.file);
  }
}

ExportResult DocumentExporter::run(const std::filesystem::path& file, Work work) {
  const FileCalls* calls = services_.files ? services_.files : &systemFileCalls();
  auto outcome = std::make_shared<ExportResult>();
  // Everything is made first; the files are written last, and only when the
  // export still stands, so that a cancelled one leaves nothing behind. One
  // export writes at a time: two of the same file end with the later one.
  const auto perform = [work = std::move(work), outcome, file, calls](Progress& progress) {
    Files files;
    ProgressStage making(progress, 0.0, 0.95);
    work(making, files, *outcome);
    if (!outcome->error.empty())
      return;
    const std::lock_guard lock(exportWrites());
    if (progress.shouldStop() || files.empty()) {
      outcome->cancelled = true;
      return;
    }
    for (const auto& [path, bytes] : files) {
      if (std::string error = writeFileAtomically(path, bytes, *calls); !error.empty()) {
        outcome->error = couldNotWrite(path, error);
        return;
      }
    }
    outcome->file = file;
    progress.report(1.0);
  };

  if (!services_.queue) {
    perform(Progress::none());
    finish(services_, *outcome);
    return *outcome;
  }
  const Services services = services_;
  auto task = Task::create(
      formatText(localized("Export", "Exporting “%1”…"), {file.filename().string()}), [perform](Task& task) { perform(task); },
      [outcome, services] {
        if (!services.lifetime.expired())
          finish(services, *outcome);
      });
  services_.queue->addOperation(task);
  if (services_.window)
    services_.window->exportStarted(task);
  return {};
}

std::shared_ptr<OrnivalModel> DocumentExporter::svgModel() const {
  const auto document = document_.lock();
  const auto editor = document ? document->viewController() : nullptr;
  if (!editor)
    return nullptr;
  auto model = OrnivalModel::create();
  model->shapes = editor->graph().shapes();
  // Only the corners count, for the drawing's box: every side of every tile
  // gives the same box as the outline, and the live tiles stay as they are.
  for (const auto& tile : model->shapes)
    model->borderEdges.insert(model->borderEdges.end(), tile->edges().begin(), tile->edges().end());
  model->settings = document->fileSettings();
  return model;
}

ExportResult DocumentExporter::exportSVG() {
  ExportResult result;
  const auto document = document_.lock();
  const auto editor = document ? document->viewController() : nullptr;
  if (!editor)
    return result;
  const auto file = target(pathExtension(ExportFileFormat::svg), result);
  if (!file) {
    finish(services_, result);
    return result;
  }
  return run(*file, [tiles = TilingSnapshot::take(editor->graph().shapes()), settings = document->fileSettings(),
                     file = *file](Progress& progress, Files& files, ExportResult&) {
    ProgressStage making(progress, 0.0, 0.4);
    auto model = OrnivalModel::create();
    model->shapes = tiles->makeTiles(making);
    if (progress.shouldStop())
      return;
    // Only the corners count, for the drawing's box.
    for (const auto& tile : model->shapes)
      model->borderEdges.insert(model->borderEdges.end(), tile->edges().begin(), tile->edges().end());
    model->settings = settings;
    std::string text = model->svg();
    progress.report(1.0);
    files.emplace_back(file, std::move(text));
  });
}

ExportResult DocumentExporter::export3D(ExportFileFormat format) {
  ExportResult result;
  const auto document = document_.lock();
  const auto url = fileURL ? fileURL() : std::nullopt;
  if (!document || !document->viewController() || !url)
    return result;
  if (!canWriteScene(format)) {
    result.error = sceneFiles(format, {}, "", "").error;
    finish(services_, result);
    return result;
  }
  const auto file = target(pathExtension(format), result);
  if (!file) {
    finish(services_, result);
    return result;
  }
  auto snapshot = takeSceneSnapshot(*document);
  if (!snapshot) {
    result.error = localized("Export", "There is no 3D scene to export.");
    finish(services_, result);
    return result;
  }
  return run(*file, [snapshot = std::move(*snapshot), format, file = *file, documentFile = *url,
                     created = now ? now() : currentTime()](Progress& progress, Files& files, ExportResult& result) {
    ProgressStage making(progress, 0.0, 0.7);
    const std::optional<ExportScene> scene = exportScene(snapshot, making);
    if (!scene)
      return;
    SceneFiles made = sceneFiles(format, *scene, file.stem().string(), created);
    if (!made.error.empty()) {
      result.error = made.error;
      return;
    }
    // The companion files (an obj's materials) go first, so that the main
    // file never names one that is missing.
    for (auto entry = made.files.rbegin(); entry != made.files.rend(); ++entry) {
      const std::filesystem::path path = file.parent_path() / entry->name;
      if (sameFile(path, documentFile)) {
        result.error = replacesDocument();
        files.clear();
        return;
      }
      files.emplace_back(path, std::move(entry->data));
    }
    progress.report(1.0);
  });
}

ExportResult DocumentExporter::exportPNG() {
  if (services_.window)
    services_.window->closeExportPopover();
  ExportResult result;
  const auto document = document_.lock();
  if (!document || !(fileURL && fileURL()))
    return result;

  // Anything but the jpg format, svg and the 3D formats too, is written as
  // PNG: never bitmap data under another format's extension.
  const auto stored = services_.defaults ? services_.defaults->integer(exportFormatKey) : std::nullopt;
  const auto format = exportFileFormat(stored.value_or(0));
  const bool jpg = format == ExportFileFormat::jpg;
  // JPEG has no transparency; a picture that keeps it is JPEG 2000, named as
  // such so that viewers open it.
  const BitmapFileType type =
      !jpg ? BitmapFileType::png : document->exportAlpha() ? BitmapFileType::jpeg2000 : BitmapFileType::jpeg;
  const std::string_view extension = type == BitmapFileType::png    ? "png"
                                     : type == BitmapFileType::jpeg ? "jpg"
                                                                    : "jp2";

  const auto file = target(extension, result);
  if (!file) {
    finish(services_, result);
    return result;
  }
  if (!document->viewController() || !services_.bitmaps)
    return result;
  std::string error;
  BitmapWork work = services_.bitmaps->prepareBitmap(*document, type, error);
  if (!work) {
    result.error = couldNotWrite(*file, error);
    finish(services_, result);
    return result;
  }
  return run(*file, [work = std::move(work), file = *file](Progress& progress, Files& files, ExportResult& result) {
    EncodedBitmap picture = work(progress);
    if (!picture.error.empty()) {
      result.error = couldNotWrite(file, picture.error);
      return;
    }
    if (picture.bytes.empty())
      return;
    files.emplace_back(file, std::move(picture.bytes));
  });
}

}  // namespace ornival
