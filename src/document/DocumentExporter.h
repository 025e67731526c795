#pragma once

#include "document/ExportFileFormat.h"
#include "platform/AtomicFile.h"
#include "platform/Progress.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ornival {

class Document;
class OperationQueue;
class Task;
class FileViewer;
class OrnivalModel;
class UserDefaults;

// The encodings of a bitmap export.
enum class BitmapFileType { png, jpeg, jpeg2000 };

// A picture encoded in its file type, or why it is not: both empty when the
// work stopped.
struct EncodedBitmap {
  std::string bytes;
  std::string error;
};

// The part of a bitmap export any thread may run: drawing what was taken and
// encoding it.
using BitmapWork = std::function<EncodedBitmap(Progress& progress)>;

// Draws the document's page into a bitmap in a file type. The Qt layer
// implements it; tests use a recording stand-in.
class BitmapWriter {
public:
  virtual ~BitmapWriter() = default;
  // Main thread: takes from the document what the picture needs, now, and
  // gives back the rest of the work. No work, with the reason in words the
  // user can read in `error`, when there is nothing to draw.
  virtual BitmapWork prepareBitmap(const Document& document, BitmapFileType type, std::string& error) = 0;

  // The whole of it at once on the main thread, written atomically with
  // `files`: empty when the file was written, else why not.
  std::string writeBitmap(const Document& document, BitmapFileType type, const std::filesystem::path& target,
                          const FileCalls& files = systemFileCalls());
};

// The window of the document as the exports see it.
class ExportWindow {
public:
  virtual ~ExportWindow() = default;
  // The export popover with its size and format controls, and the page frame
  // that shows what will be exported; the bitmap is written when the popover
  // sends exportPNG.
  virtual void showExportPopover() = 0;
  virtual void closeExportPopover() = 0;
  // Tells the user why an export wrote nothing.
  virtual void presentExportError(const std::string& message) = 0;
  // An export has gone to the queue: the window shows it while it runs, with
  // its progress and a way to cancel it.
  virtual void exportStarted(const std::shared_ptr<Task>& task) { (void)task; }
};

// What an export did: the file it wrote, or why it wrote none. Both empty
// when there was nothing to do (no file to export beside, no editor), when it
// was cancelled, and while it runs on the queue.
struct ExportResult {
  std::optional<std::filesystem::path> file;
  std::string error;
  bool cancelled = false;
};

// The exports of one document, written beside its file: SVG drawings, PNG,
// JPEG or JPEG 2000 bitmaps and 3D scenes. A written file is shown in the file
// manager; a failure is told to the window and nothing is shown.
//
// An export takes what it needs from the document at once and does the rest,
// the long part, on a queue, so that the window stays free: the tiles as they
// stood, never the live ones. Its file is written whole or not at all, and a
// cancelled export writes nothing. Without a queue the work runs at once.
//
// Main thread only.
class DocumentExporter {
public:
  struct Services {
    UserDefaults* defaults = nullptr;
    FileViewer* viewer = nullptr;
    BitmapWriter* bitmaps = nullptr;
    ExportWindow* window = nullptr;
    // Where the work runs; none: at once, on the calling thread.
    std::shared_ptr<OperationQueue> queue;
    // As long as it lives, viewer and window do: an export that ends after
    // they are gone tells nobody. Needed with a queue.
    std::weak_ptr<const void> lifetime;
    // What files are written with: the system's calls unless a test breaks
    // one. Callable from any thread.
    const FileCalls* files = nullptr;
  };

  DocumentExporter(std::weak_ptr<Document> document, Services services);

  // The document's file; none while it was never saved.
  std::function<std::optional<std::filesystem::path>()> fileURL;
  // The time a scene file records as made, in ISO 8601 ("2026-01-31T12:00:00Z");
  // the clock's time in UTC unless set.
  std::function<std::string()> now;

  // The export command: the sender's tag picks the format. Bitmaps open the
  // export popover; no tag, or a tag that is no format, does nothing.
  void exportTagged(std::optional<std::int64_t> tag);
  // Sent by the export popover: the bitmap in the format of the user default
  // "ExportFileFormat" (png when it holds no bitmap format).
  ExportResult exportPNG();
  ExportResult exportSVG();
  // The editor's tiles and crossings as a 3D scene in the format, in canvas
  // units with the relief's height scale, whatever the window shows. The
  // formats that cannot be written here (abc, usdc, scn) are an error.
  ExportResult export3D(ExportFileFormat format);

  // The model the SVG drawing is made from: the editor's tiles with the
  // document's settings. None without an editor.
  std::shared_ptr<OrnivalModel> svgModel() const;

private:
  // What the queue writes: each file's path and bytes, the companions first
  // and the main file last.
  using Files = std::vector<std::pair<std::filesystem::path, std::string>>;
  // The work of an export: fills in the files to write, or the error.
  using Work = std::function<void(Progress& progress, Files& files, ExportResult& result)>;

  // The target for the extension, or the reason to write none.
  std::optional<std::filesystem::path> target(std::string_view extension, ExportResult& result) const;
  // Runs the work, on the queue when there is one, writes its files and
  // tells the outcome.
  ExportResult run(const std::filesystem::path& file, Work work);
  static void finish(const Services& services, const ExportResult& result);

  std::weak_ptr<Document> document_;
  Services services_;
};

}  // namespace ornival
