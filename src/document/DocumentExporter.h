#pragma once

#include "document/ExportFileFormat.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace ornival {

class Document;
class FileViewer;
class OrnivalModel;
class UserDefaults;

// The encodings of a bitmap export.
enum class BitmapFileType { png, jpeg, jpeg2000 };

// Draws the document's page into a bitmap and writes it in a file type.
// The Qt layer implements it; tests use a recording stand-in.
class BitmapWriter {
public:
  virtual ~BitmapWriter() = default;
  // Empty when the file was written (atomically), else why not, in words the
  // user can read.
  virtual std::string writeBitmap(const Document& document, BitmapFileType type,
                                  const std::filesystem::path& target) = 0;
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
};

// What an export did: the file it wrote, or why it wrote none. Both empty
// when there was nothing to do (no file to export beside, no editor).
struct ExportResult {
  std::optional<std::filesystem::path> file;
  std::string error;
};

// The exports of one document, written beside its file: SVG drawings, PNG,
// JPEG or JPEG 2000 bitmaps and 3D scenes. A written file is shown in the file
// manager; a failure is told to the window and nothing is shown.
//
// Main thread only.
class DocumentExporter {
public:
  struct Services {
    UserDefaults* defaults = nullptr;
    FileViewer* viewer = nullptr;
    BitmapWriter* bitmaps = nullptr;
    ExportWindow* window = nullptr;
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
  // The target for the extension, or the reason to write none.
  std::optional<std::filesystem::path> target(std::string_view extension, ExportResult& result) const;
  ExportResult finish(ExportResult result);

  std::weak_ptr<Document> document_;
  Services services_;
};

}  // namespace ornival
