#include "document/DocumentExporter.h"

#include "document/Document.h"
#include "document/DocumentEditor.h"
#include "document/FilePresenter.h"
#include "document/OrnivalModel.h"
#include "document/scene/ExportScene.h"
#include "document/scene/SceneWriters.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/AtomicFile.h"
#include "platform/FileViewer.h"
#include "platform/Localization.h"
#include "platform/NumberText.h"
#include "platform/UserDefaults.h"

#include <chrono>
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

DocumentExporter::DocumentExporter(std::weak_ptr<Document> document, Services services)
    : document_(std::move(document)), services_(services) {}

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
    result.error = localized("Export", "The export would replace the document itself. "
                                         "Save the document under another name first.");
    return std::nullopt;
  }
  return presenter.presentedItemURL;
}

ExportResult DocumentExporter::finish(ExportResult result) {
  if (!result.error.empty()) {
    result.file.reset();
    if (services_.window)
      services_.window->presentExportError(result.error);
  } else if (result.file && services_.viewer) {
    services_.viewer->reveal(*result.file);
  }
  return result;
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
  const auto model = svgModel();
  if (!model)
    return result;
  const auto file = target(pathExtension(ExportFileFormat::svg), result);
  if (!file)
    return finish(std::move(result));
  const std::string text = model->svg();
  if (const std::string error = writeFileAtomically(*file, text); !error.empty())
    result.error = formatText(localized("Export", "Could not write %1: %2"), {quoted(*file), error});
  else
    result.file = file;
  return finish(std::move(result));
}

ExportResult DocumentExporter::export3D(ExportFileFormat format) {
  ExportResult result;
  const auto document = document_.lock();
  if (!document || !document->viewController() || !(fileURL && fileURL()))
    return result;
  if (!canWriteScene(format)) {
    result.error = sceneFiles(format, {}, "", "").error;
    return finish(std::move(result));
  }
  const auto file = target(pathExtension(format), result);
  if (!file)
    return finish(std::move(result));
  const std::optional<ExportScene> scene = exportScene(*document);
  if (!scene) {
    result.error = localized("Export", "There is no 3D scene to export.");
    return finish(std::move(result));
  }
  SceneFiles files = sceneFiles(format, *scene, file->stem().string(), now ? now() : currentTime());
  if (!files.error.empty()) {
    result.error = files.error;
    return finish(std::move(result));
  }
  // The companion files (an obj's materials) go first, so that the main
  // file never names one that is missing.
  for (auto entry = files.files.rbegin(); entry != files.files.rend(); ++entry) {
    const std::filesystem::path path = file->parent_path() / entry->name;
    if (const auto url = fileURL(); url && sameFile(path, *url)) {
      result.error = localized("Export", "The export would replace the document itself. "
                                           "Save the document under another name first.");
      return finish(std::move(result));
    }
    if (const std::string error = writeFileAtomically(path, entry->data); !error.empty()) {
      result.error = formatText(localized("Export", "Could not write %1: %2"), {quoted(path), error});
      return finish(std::move(result));
    }
  }
  result.file = file;
  return finish(std::move(result));
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
  if (!file)
    return finish(std::move(result));
  if (!document->viewController() || !services_.bitmaps)
    return result;
  if (std::string error = services_.bitmaps->writeBitmap(*document, type, *file); !error.empty())
    result.error = formatText(localized("Export", "Could not write %1: %2"), {quoted(*file), error});
  else
    result.file = file;
  return finish(std::move(result));
}

}  // namespace ornival
