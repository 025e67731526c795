#include "app/WindowController.h"

#include "app/Application.h"
#include "app/ColorPopover.h"
#include "app/ColorWell.h"
#include "app/core/DocumentFile.h"
#include "app/core/EditorActions.h"
#include "document/DocumentWriter.h"
#include "document/TilingSnapshot.h"
#include "app/IconMenuViewController.h"
#include "app/PrintPanel.h"
#include "app/SettingsPopovers.h"
#include "app/TaskList.h"
#include "app/ToolbarDelegate.h"
#include "app/ToolStrip.h"
#include "document/Document.h"
#include "document/qt/QtPictureRenderer.h"
#include "editor/qt/EventTranslation.h"
#include "editor/qt/View.h"
#include "editor/ViewController.h"
#include "figures/Figure.h"
#include "model/Graph.h"
#include "model/NeighborModel.h"
#include "model/Operations.h"
#include "model/Shape.h"
#include "platform/AtomicFile.h"
#include "platform/Localization.h"
#include "platform/FileViewer.h"
#include "platform/OperationQueue.h"
#include "platform/Task.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtImageDecoder.h"
#include "platform/qt/QtRgbaImage.h"
#include "platform/ShapeLayer.h"
#include "platform/UndoManager.h"

#include <QBuffer>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QToolButton>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUuid>

#include <algorithm>
#include <cmath>

namespace ornival {
namespace {

// Keys the editor answers itself; the others go through the table below.
bool isEditorKey(const std::string& characters) {
  return characters == "\t" || characters == "e" || characters == "\x1b";
}

std::string newFileName(const std::string& suffix) {
  return QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString() + suffix;
}

class WindowExportTarget final : public ExportWindow {
public:
  explicit WindowExportTarget(Application& application) : application_(application) {}
  void showExportPopover() override {
    if (show)
      show();
  }
  void closeExportPopover() override {
    if (close)
      close();
  }
  void presentExportError(const std::string& message) override {
    if (failed)
      failed(message);
    if (application_.presentError)
      application_.presentError(message);
  }
  void exportStarted(const std::shared_ptr<Task>& task) override {
    if (started)
      started(task);
  }

  // The window's export panel.
  std::function<void()> show;
  std::function<void()> close;
  // The window's word on a failed export.
  std::function<void(const std::string&)> failed;
  // The window's list of work under way.
  std::function<void(const std::shared_ptr<Task>&)> started;

private:
  Application& application_;
};

// What the exports "show" of a file they wrote: the window's status bar says
// what and where, and offers the file manager.
class ExportNoticeViewer final : public FileViewer {
public:
  void reveal(const std::filesystem::path& file) override {
    if (written)
      written(file);
  }
  std::function<void(const std::filesystem::path&)> written;
};

}  // namespace

template <class Dialog, class... Arguments>
auto WindowController::prompt(const Dialog& dialog, Arguments&&... arguments) {
  Application::PromptScope scope(application_);
  return dialog(std::forward<Arguments>(arguments)...);
}

// Window ------------------------------------------------------------------------

DocumentMainWindow::DocumentMainWindow(std::weak_ptr<WindowController> controller)
    : controller_(std::move(controller)) {
  setAttribute(Qt::WA_DeleteOnClose, false);
}

void DocumentMainWindow::closeEvent(QCloseEvent* event) {
  const auto controller = controller_.lock();
  if (controller && !controller->shouldClose()) {
    event->ignore();
    return;
  }
  event->accept();
  if (controller)
    controller->close();
}

void DocumentMainWindow::keyPressEvent(QKeyEvent* event) {
  const auto controller = controller_.lock();
  if (controller && controller->keyDown(keyEvent(*event)))
    return;
  QMainWindow::keyPressEvent(event);
}

// Controller --------------------------------------------------------------------

std::shared_ptr<WindowController> WindowController::create(Application& application,
                                                           std::shared_ptr<Document> document,
                                                           std::optional<std::filesystem::path> file) {
  auto controller = std::shared_ptr<WindowController>(
      new WindowController(application, std::move(document), std::move(file)));
  controller->setUp();
  return controller;
}

WindowController::WindowController(Application& application, std::shared_ptr<Document> document,
                                   std::optional<std::filesystem::path> file)
    : application_(application),
      document_(std::move(document)),
      file_(std::move(file)),
      toolLabels_(std::size_t(Shapes::caseCount) + 1) {
  autosaveTimer_.setSingleShot(true);
  autosaveTimer_.setInterval(application_.options().autosaveDelayMilliseconds);
  saveQueue_->setName("Save queue");
  saveQueue_->setMaxConcurrentOperationCount(1);
  saveQueue_->setQualityOfService(QualityOfService::utility);
}

WindowController::~WindowController() {
  autosaveTimer_.stop();
  finishWriting();
  if (taskList_)
    taskList_->cancelAll();
  detach();
}

void WindowController::setUp() {
  window_ = std::make_unique<DocumentMainWindow>(weak_from_this());
  window_->resize(preferredWidth, preferredHeight);
  QObject::connect(&autosaveTimer_, &QTimer::timeout, window_.get(), [weak = weak_from_this()] {
    if (const auto self = weak.lock())
      self->autosave();
  });
  buildActions();
  buildWindowParts();
  attach(document_);
  application_.buildMenuBar(*window_->menuBar(), *this);
  window_->statusBar()->showMessage(QString::fromStdString(countTitle_));
  updateTitle();
}

void WindowController::attach(std::shared_ptr<Document> document) {
  loading_ = true;
  document_ = std::move(document);
  undo_ = UndoManager::create();
  undoCount_ = 0;
  redoCount_ = 0;
  auto* view = new View(window_.get());
  view_ = view;
  // The editor holds its view port without owning it: the window owns the
  // widget, and this controller lets go of the editor before the widget.
  editor_ = ViewController::create(std::shared_ptr<ViewPort>(std::shared_ptr<void>(), view),
                                   std::shared_ptr<InputState>(std::shared_ptr<void>(), view));
  view->setUndoManager(undo_);
  view->setWindowController(weak_from_this());
  view->setEditor(editor_);
  if (iconMenu_)
    iconMenu_->setViewController(editor_);
  view->eventDispatched = [this] { noteEvent(); };
  // Dropped pictures become the underlay; a dropped colour paints the tile
  // under it.
  editor_->imageDecoder = std::make_shared<QtImageDecoder>();
  editor_->pictureRenderer = std::make_shared<QtPictureRenderer>();
  editor_->clipboard = std::make_shared<QtClipboard>();
  view->imageDropped = [view](const std::string& path) {
    view->dispatch([&](ViewController& editor) { editor.setImage(path); });
  };
  view->colorDropped = [view](const Color& color, Vec2 point) {
    view->dispatch([&](ViewController& editor) { editor.colorFromDrag(color, point); });
  };
  window_->setCentralWidget(view);
  view->resize(window_->size());
  document_->setUndoManager(undo_);
  document_->setWindowController(weak_from_this());
  editor_->viewDidLoad();
  editor_->loadDocument(document_);
  // The zoom and turn show in the toolbar from the start, not only after
  // their first change.
  document_->setScale(document_->scale());
  document_->setRotation(document_->rotation());
  restoreState();
  undoCount_ = undo_->undoCount();
  redoCount_ = undo_->redoCount();
  document_->addObserver("", [weak = weak_from_this()](std::string_view, Document::ChangePhase phase) {
    const auto self = weak.lock();
    if (self && phase == Document::ChangePhase::after && !self->loading_)
      self->setEdited(true);
  });
  view->setFocus();
  view->updateCursor();
  loading_ = false;
}

void WindowController::detach() {
  // A slider's gesture ends with the manager it began on.
  if (inGestureGroup_ && undo_) {
    inGestureGroup_ = false;
    undo_->endGroup();
  }
  closePopovers();
  if (editor_)
    editor_->operations->neighborQueue()->cancelAllOperations();
  if (view_) {
    view_->setEditor({});
    view_->eventDispatched = nullptr;
  }
  editor_.reset();
  if (view_)
    delete view_.data();
}

void WindowController::buildActions() {
  editorActions_.add("selectTool", [this](const Action& action) {
    if (const auto kind = Shapes::init(action.tag))
      editor_->selectTool(*kind);
  });
  editorActions_.add("toggleZoom", [this](const Action&) { editor_->toggleZoom(); });
  addEditorActions(editorActions_, [this] { return editor_.get(); });
  editorActions_.add("share", [this](const Action&) { editor_->share(); });
  editorActions_.add(
      "removeImage", [this](const Action&) { editor_->removeImage(); },
      [this](const Action&) { return editor_->imageLayer != nullptr; });

  windowActions_.add(
      "undo", [this](const Action&) { undo_->undo(); }, [this](const Action&) { return undo_->canUndo(); });
  windowActions_.add(
      "redo", [this](const Action&) { undo_->redo(); }, [this](const Action&) { return undo_->canRedo(); });
  // The items name the step they would take back or do again.
  windowActions_.setTitle("undo", [this](const Action&) {
    const std::string name = undo_->canUndo() ? undo_->undoActionName() : std::string();
    return name.empty() ? localized("Menu", "Undo") : formatText(localized("Menu", "Undo %1"), {name});
  });
  windowActions_.setTitle("redo", [this](const Action&) {
    const std::string name = undo_->canRedo() ? undo_->redoActionName() : std::string();
    return name.empty() ? localized("Menu", "Redo") : formatText(localized("Menu", "Redo %1"), {name});
  });
  windowActions_.add("performClose", [this](const Action&) {
    QTimer::singleShot(0, window_.get(), [window = window_.get()] { window->close(); });
  });
  windowActions_.add("showIconMenu", [this](const Action&) { showIconMenu(); });
  windowActions_.add("resetScale", [this](const Action&) { document_->setScale(20.0); });
  windowActions_.add("resetRotation", [this](const Action&) { resetRotation(); });
  const auto toggle = [](double value, double other) { return value == 1.0 ? other : 1.0; };
  windowActions_.add("resetBorderFactor", [this, toggle](const Action&) {
    document_->setBorderBezierFactor(toggle(document_->borderBezierFactor(), 0.5));
  });
  windowActions_.add("resetRadiusLimit", [this, toggle](const Action&) {
    document_->setBorderRadiusLimit(toggle(document_->borderRadiusLimit(), 0.25));
  });
  windowActions_.add("resetShapeFactor", [this, toggle](const Action&) {
    document_->setShapeBezierFactor(toggle(document_->shapeBezierFactor(), 0.5));
  });
  windowActions_.add("resetShapeRadiusLimit", [this, toggle](const Action&) {
    document_->setShapeRadiusLimit(toggle(document_->shapeRadiusLimit(), 0.25));
  });
  windowActions_.add("copyBorderFactor",
                     [this](const Action&) { document_->setShapeBezierFactor(document_->borderBezierFactor()); });
  windowActions_.add("copyShapeFactor",
                     [this](const Action&) { document_->setBorderBezierFactor(document_->shapeBezierFactor()); });
  windowActions_.add("resetSurfaceZscale", [this](const Action&) { document_->setSurfaceZscale(1.0); });
  windowActions_.add("resetMetalness", [this](const Action&) { document_->setMetalness(0.5); });
  windowActions_.add("resetRoughness", [this](const Action&) { document_->setRoughness(0.5); });
  windowActions_.add("resetRipple", [this](const Action&) { document_->setRipple(0.0); });
  windowActions_.add("resetRippleScale", [this](const Action&) { document_->setRippleScale(0.0); });
  windowActions_.add("resetAmbientBrightness", [this](const Action&) {
    document_->setAmbientBrightness(document_->ambientBrightness() == 0.0 ? double(0.6f) : 0.0);
  });

  // Written on the save queue: the window goes on while a large document is
  // written, and shows it with its progress.
  documentActions_.add("saveDocument", [this](const Action&) { save(false); });
  documentActions_.add("saveDocumentAs", [this](const Action&) { saveAs(false); });
  documentActions_.add(
      "revertDocumentToSaved",
      [this](const Action&) {
        if (const std::string error = revert(); !error.empty() && application_.presentError)
          prompt(application_.presentError, error);
      },
      [this](const Action&) { return canRevert(); });
  // The export writes beside the document's file, so it waits for the first
  // save.
  documentActions_.add(
      "export",
      [this](const Action& action) {
        if (exporter_)
          exporter_->exportTagged(action.tag);
      },
      [this](const Action&) { return file_.has_value(); });
  documentActions_.add(
      "exportPNG",
      [this](const Action&) {
        if (exporter_)
          exporter_->exportPNG();
      },
      [this](const Action&) { return file_.has_value(); });
  documentActions_.add("print", [this](const Action&) {
    PrintPanel panel(document_, application_.reliefRenderers(), window_.get());
    // A PDF goes beside the document's file, or among the user's documents
    // for an untitled one.
    panel.nameAfter(displayName(), file_ ? file_->parent_path() : application_.documentsFolder());
    Application::PromptScope printing(application_);
    if (const std::string error = panel.run(); !error.empty() && application_.presentError)
      application_.presentError(error);
  });
  documentActions_.add(
      "setColorsWithImage", [this](const Action&) { showChangeColors(); },
      [this](const Action&) { return editor_ && editor_->imageLayer != nullptr; });

  auto exportTarget = std::make_unique<WindowExportTarget>(application_);
  exportTarget->show = [this] { send({"showExport", 0, {}}); };
  exportTarget->close = [this] { send({"closeExport", 0, {}}); };
  exportTarget->failed = [this](const std::string& message) { showExportNotice(std::nullopt, message); };
  exportTarget->started = [this](const std::shared_ptr<Task>& task) {
    if (taskList_)
      taskList_->add(task);
  };
  exportWindow_ = std::move(exportTarget);
  auto viewer = std::make_unique<ExportNoticeViewer>();
  viewer->written = [this](const std::filesystem::path& file) { showExportNotice(file, {}); };
  exportViewer_ = std::move(viewer);
  makeExporter();

  buildPopoverActions();
  router_.setChain({&editorActions_, &windowActions_, &documentActions_, &application_.actions()});
}

void WindowController::makeExporter() {
  DocumentExporter::Services services{&application_.userDefaults(), exportViewer_.get(),
                                      &application_.bitmapWriter(), exportWindow_.get()};
  services.queue = Operations::exportQueue();
  services.lifetime = exportLifetime_;
  services.files = &application_.files();
  exporter_ = std::make_unique<DocumentExporter>(document_, std::move(services));
  exporter_->fileURL = [this] { return file_; };
}

bool WindowController::send(const Action& action) {
  if (!router_.validate(action))
    return false;
  // Closed on the manager it was opened on: Revert gives the window a new one.
  const std::shared_ptr<UndoManager> undo = undo_;
  undo->beginGroup();
  const bool taken = router_.send(action);
  undo->endGroup();
  const bool relief = !leavesTheDrawingAlone(action.name);
  if (view_)
    view_->refreshDrawing(relief);
  noteEvent(relief);
  return taken;
}

// Commands that only read the document, and the export panel closing as an
// export starts: drawing the relief again after them would hold the window a
// whole frame for nothing, and behind an export that draws the relief
// itself, for as long as that drawing takes.
bool WindowController::leavesTheDrawingAlone(std::string_view action) {
  static constexpr std::string_view readers[] = {"saveDocument", "saveDocumentAs", "export", "exportPNG", "closeExport"};
  return std::find(std::begin(readers), std::end(readers), action) != std::end(readers);
}

bool WindowController::keyDown(const KeyEvent& event) {
  if (event.characters.empty() || !editor_ || !view_)
    return false;
  if (isEditorKey(event.characters)) {
    view_->dispatch([&](ViewController& editor) { editor.keyDown(event); });
    return true;
  }
  // The window's single-key commands: those whose editor commands exist.
  if (event.characters == " ") {
    view_->dispatch([](ViewController& editor) { editor.toggleZoom(); });
    return true;
  }
  // Return places the hovered candidate; over a tile or nothing it is not
  // the editor's.
  if (event.characters == "\r") {
    if (!std::dynamic_pointer_cast<NeighborModel>(editor_->selectedShape.lock()))
      return false;
    view_->dispatch([](ViewController& editor) { editor.placeCandidate(); });
    return true;
  }
  using Recolor = void (ViewController::*)();
  static const std::pair<const char*, Recolor> recolorKeys[] = {{"1", &ViewController::hueColorsByAngle},
                                                                {"r", &ViewController::randomColors},
                                                                {"t", &ViewController::hueColorsByEdgeAngle},
                                                                {"w", &ViewController::whiteColors}};
  for (const auto& [key, command] : recolorKeys) {
    if (event.characters == key) {
      view_->dispatch([command](ViewController& editor) { (editor.*command)(); });
      return true;
    }
  }
  // "m" turns the tools into their mirror images, "M" adds the images to
  // them; "i" inverts the colours.
  if (event.characters == "m" || event.characters == "M") {
    const bool keepTools = event.characters == "M";
    view_->dispatch([keepTools](ViewController& editor) { editor.mirror(keepTools); });
    return true;
  }
  if (event.characters == "i") {
    view_->dispatch([](ViewController& editor) { editor.invertColors(); });
    return true;
  }
  if (event.characters == "b") {
    // Each press swaps which class of the two-colouring is black.
    const int parity = blackOrWhite;
    view_->dispatch([parity](ViewController& editor) { editor.blackOrWhiteColors(parity); });
    blackOrWhite = 1 - blackOrWhite;
    return true;
  }
  // The arrow keys step the hovered candidate; when there is none to step
  // to the key goes on.
  using Step = bool (ViewController::*)();
  static const std::pair<const char*, Step> arrowKeys[] = {
      {"\xEF\x9C\x80", &ViewController::moveNeighborSelectionUp},
      {"\xEF\x9C\x81", &ViewController::moveNeighborSelectionDown},
      {"\xEF\x9C\x82", &ViewController::moveNeighborSelectionLeft},
      {"\xEF\x9C\x83", &ViewController::moveNeighborSelectionRight}};
  for (const auto& [key, command] : arrowKeys) {
    if (event.characters == key) {
      bool taken = false;
      view_->dispatch([command, &taken](ViewController& editor) { taken = (editor.*command)(); });
      return taken;
    }
  }
  return false;
}

void WindowController::deactivateColorWell() {
  if (!toolbarDelegate_)
    return;
  if (ColorWell* well = toolbarDelegate_->colorWell())
    well->deactivate();
}

void WindowController::noteEvent(bool relief) {
  if (!undo_)
    return;
  const std::size_t undoCount = undo_->undoCount();
  const std::size_t redoCount = undo_->redoCount();
  if (undoCount != undoCount_ || redoCount != redoCount_)
    setEdited(true);
  undoCount_ = undoCount;
  redoCount_ = redoCount;
  if (view_)
    view_->refreshDrawing(relief);
  if (window_)
    window_->statusBar()->showMessage(QString::fromStdString(countTitle_));
}

void WindowController::setEdited(bool edited) {
  if (edited)
    ++changeCount_;
  edited_ = edited;
  if (edited)
    autosaveTimer_.start();
  updateTitle();
}

std::string WindowController::displayName() const {
  if (!displayName_.empty())
    return displayName_;
  if (file_)
    return file_->filename().string();
  return localized("WindowController", "Untitled");
}

void WindowController::setDisplayName(std::string name) {
  displayName_ = std::move(name);
  updateTitle();
}

void WindowController::updateTitle() {
  if (!window_)
    return;
  // "[*]" is where the window shows that the document has changes.
  window_->setWindowTitle(QCoreApplication::translate("WindowController", "%1[*] — Ornival")
                              .arg(QString::fromStdString(displayName())));
  window_->setWindowModified(edited_);
}

// Files ------------------------------------------------------------------------

std::string WindowController::displayFileName() const {
  return file_ ? file_->filename().string() : displayName();
}

void WindowController::setOpenedFile(std::string bytes, const FileIdentity& identity, const ReadCounts& counts) {
  reference_ = std::move(bytes);
  identity_ = identity;
  fileHoldsReference_ = true;
  incomplete_ = !counts.whole();
  incompleteNotice_ = incomplete_ ? incompleteReadNotice(counts, displayFileName()) : std::string();
  updateMessageBar();
}

bool WindowController::canRevert() const { return file_.has_value() && (edited_ || !fileHoldsReference_); }

bool WindowController::changedOutside() const { return file_ && fileIdentity(*file_) != identity_; }

// What a write of the document takes on the main thread, what it does on
// the save queue, and what it found there.
struct WindowController::Write {
  WriteKind kind = WriteKind::autosave;
  std::filesystem::path target;
  // The window's changes counted when the tiles were taken: later ones are
  // not in the file.
  std::uint64_t changes = 0;
  std::shared_ptr<Task> task;
  std::shared_ptr<const TilingSnapshot> tiles;
  DocumentSettings settings;
  std::vector<std::string> tags;
  // Where the version to go back to is kept before the file is first
  // written over, and that version.
  std::optional<std::filesystem::path> keepAt;
  std::string reference;
  // Found on the queue.
  bool ran = false;
  bool stopped = false;
  bool kept = false;
  std::string keepError;
  std::string text;
  std::string error;
  std::optional<FileIdentity> identity;
  // Taken in on the main thread, once.
  bool collected = false;
};

void WindowController::performWrite(Write& write, const FileCalls& calls, Progress& progress) {
  write.ran = true;
  if (write.keepAt) {
    std::error_code code;
    std::filesystem::create_directories(write.keepAt->parent_path(), code);
    write.keepError = code ? code.message() : writeFileAtomically(*write.keepAt, write.reference, calls);
    if (!write.keepError.empty())
      return;
    write.kept = true;
  }
  ProgressStage making(progress, 0.0, 0.5);
  const auto tiles = write.tiles->makeTiles(making);
  if (progress.shouldStop()) {
    write.stopped = true;
    return;
  }
  const auto graph = Graph::create(tiles);
  write.text = ornival::documentText(write.settings, tiles, graph.get());
  // The last check: once the file is being written, it is written whole.
  if (progress.shouldStop()) {
    write.stopped = true;
    return;
  }
  progress.report(0.75);
  write.error = writeFileAtomically(write.target, write.text, calls);
  if (!write.error.empty())
    return;
  // Tags are a courtesy to file managers: a file system without extended
  // attributes simply has none.
  writeFileTags(write.target, write.tags);
  write.identity = fileIdentity(write.target);
  progress.report(1.0);
}

bool WindowController::startWrite(WriteKind kind, const std::filesystem::path& target) {
  if (!editor_)
    return false;
  auto write = std::make_shared<Write>();
  write->kind = kind;
  write->target = target;
  write->changes = changeCount_;
  if (kind == WriteKind::autosave && !keptCopy_) {
    std::string error;
    const auto folder = application_.instanceFolder(&error);
    if (!folder) {
      setAutosaveProblem(keepFailure(error));
      return false;
    }
    write->keepAt = *folder / "Kept" / newFileName("-" + target.filename().string());
    write->reference = reference_;
  }
  write->tiles = TilingSnapshot::take(editor_->graph().shapes());
  write->settings = document_->fileSettings();
  write->tags = documentTags(editor_->counts);
  const FileCalls* calls = &application_.files();
  const std::string name = kind == WriteKind::untitled ? displayName() : target.filename().string();
  write->task = Task::create(
      formatText(localized("WindowController", "Saving “%1”…"), {name}),
      [write, calls](Task& task) { performWrite(*write, *calls, task); },
      [weak = weak_from_this(), write] {
        if (const auto self = weak.lock())
          self->collect(write);
      });
  writing_ = write;
  saveQueue_->addOperation(write->task);
  if (taskList_)
    taskList_->add(write->task);
  return true;
}

bool WindowController::isWriting() {
  // A write cancelled before it began never runs and never reports back.
  if (writing_ && writing_->task->isCancelled() && !writing_->task->hasStarted())
    collect(writing_);
  return writing_ != nullptr;
}

void WindowController::finishWriting() {
  if (!writing_)
    return;
  const auto write = writing_;
  saveQueue_->waitUntilAllOperationsAreFinished();
  collect(write);
}

std::string WindowController::keepFailure(const std::string& error) const {
  return formatText(localized("WindowController",
                              "Autosave left “%1” as it is: the version to go back to could not be kept first "
                              "(%2). Your changes are kept in this window."),
                    {displayFileName(), error});
}

void WindowController::collect(std::shared_ptr<Write> write) {
  if (write->collected)
    return;
  write->collected = true;
  // The task's closures hold the write: a task cancelled before it began
  // keeps them, and the two would keep each other alive.
  write->task.reset();
  if (writing_ == write)
    writing_.reset();
  if (write->kept)
    keptCopy_ = write->keepAt;
  const bool stopped = !write->ran || write->stopped;
  // Changes made while it was written are not in the file: they stay to be
  // saved.
  const bool whole = write->changes == changeCount_;
  switch (write->kind) {
    case WriteKind::autosave:
      if (!write->keepError.empty()) {
        setAutosaveProblem(keepFailure(write->keepError));
      } else if (!stopped && !write->error.empty()) {
        setAutosaveProblem(formatText(localized("WindowController",
                                                "Autosave could not write “%1”: %2. Your changes are kept in this "
                                                "window."),
                                      {write->target.string(), write->error}));
      } else if (!stopped) {
        if (file_ && write->target == *file_)
          identity_ = write->identity;
        fileHoldsReference_ = write->text == reference_;
        setAutosaveProblem({});
        if (whole)
          setEdited(false);
        else
          autosaveTimer_.start();
      }
      break;
    case WriteKind::untitled:
      if (!stopped && !write->error.empty())
        setAutosaveProblem(
            formatText(localized("WindowController", "Autosave could not keep this document in “%1”: %2."),
                       {write->target.string(), write->error}));
      else if (!stopped)
        setAutosaveProblem({});
      break;
    case WriteKind::save:
    case WriteKind::saveAs:
      if (stopped)
        break;
      if (!write->error.empty()) {
        if (application_.presentError)
          prompt(application_.presentError,
                 formatText(localized("WindowController", "“%1” could not be saved: %2."),
                            {write->target.filename().string(), write->error}));
        break;
      }
      if (write->kind == WriteKind::saveAs) {
        file_ = write->target;
        displayName_.clear();
        if (untitledAutosave_) {
          std::error_code ignored;
          std::filesystem::remove(*untitledAutosave_, ignored);
          untitledAutosave_.reset();
        }
      }
      identity_ = write->identity;
      // Saved on purpose: what Revert goes back to from now on.
      reference_ = std::move(write->text);
      fileHoldsReference_ = true;
      dropKeptCopy();
      incomplete_ = false;
      incompleteNotice_.clear();
      changedOutside_ = false;
      autosaveProblem_.clear();
      updateMessageBar();
      if (whole) {
        setEdited(false);
        autosaveTimer_.stop();
      } else {
        updateTitle();
      }
      encodeRestorableState();
      break;
  }
}

bool WindowController::wrote(std::shared_ptr<Write> write, bool wait) {
  if (!wait)
    return true;
  finishWriting();
  return write->ran && !write->stopped && write->error.empty();
}

bool WindowController::save(bool wait) {
  if (!file_)
    return saveAs(wait);
  if (!editor_)
    return false;
  // One write at a time, and what it found taken in before this one asks.
  finishWriting();
  if (incomplete_) {
    const auto answer = application_.askToSaveOverIncomplete
                            ? prompt(application_.askToSaveOverIncomplete, incompleteNotice_)
                            : Application::IncompleteAnswer::cancel;
    if (answer == Application::IncompleteAnswer::saveAs)
      return saveAs(wait);
    if (answer != Application::IncompleteAnswer::save)
      return false;
  }
  // A file that is gone is simply written again: saving is what was asked.
  if (changedOutside() && fileIdentity(*file_))
    if (const auto done = resolveOutsideChange())
      return *done;
  if (!startWrite(WriteKind::save, *file_))
    return false;
  return wrote(writing_, wait);
}

bool WindowController::saveAs(bool wait) {
  if (!application_.chooseSaveFile || !editor_)
    return false;
  finishWriting();
  const auto folder = file_ ? file_->parent_path() : application_.documentsFolder();
  const auto chosen =
      prompt(application_.chooseSaveFile, folder / (file_ ? file_->filename().string() : displayName()));
  if (!chosen || !startWrite(WriteKind::saveAs, *chosen))
    return false;
  return wrote(writing_, wait);
}

std::optional<bool> WindowController::resolveOutsideChange() {
  changedOutside_ = true;
  updateMessageBar();
  const auto answer = application_.askAboutOutsideChange
                          ? prompt(application_.askAboutOutsideChange, displayFileName())
                          : Application::ChangedAnswer::cancel;
  switch (answer) {
    case Application::ChangedAnswer::reload:
      if (const std::string error = reloadFromFile(); !error.empty() && application_.presentError)
        prompt(application_.presentError, error);
      return false;
    case Application::ChangedAnswer::overwrite:
      // The file holds the other program's text now, not the version Revert
      // goes back to.
      changedOutside_ = false;
      fileHoldsReference_ = false;
      updateMessageBar();
      return std::nullopt;
    case Application::ChangedAnswer::saveAs: return saveAs();
    case Application::ChangedAnswer::cancel: return false;
  }
  return false;
}

void WindowController::replaceDocument(std::shared_ptr<Document> fresh) {
  autosaveTimer_.stop();
  detach();
  attach(std::move(fresh));
  makeExporter();
  edited_ = false;
  updateTitle();
}

std::string WindowController::reloadFromFile() {
  if (!file_)
    return {};
  finishWriting();
  FileContents contents = readRegularFile(*file_, largestDocumentBytes);
  if (!contents.ok())
    return readRefusalMessage(contents, displayFileName());
  auto fresh = Document::create();
  ReadCounts counts;
  if (const TextKind kind = readDocument(*fresh, contents.bytes, &counts); kind != TextKind::document)
    return refusalMessage(kind, displayFileName());
  replaceDocument(std::move(fresh));
  dropKeptCopy();
  changedOutside_ = false;
  autosaveProblem_.clear();
  setOpenedFile(std::move(contents.bytes), contents.identity, counts);
  return {};
}

std::string WindowController::revert() {
  if (!file_)
    return {};
  // The write under way ends first: the file then holds what it wrote.
  finishWriting();
  auto fresh = Document::create();
  ReadCounts counts;
  if (const TextKind kind = readDocument(*fresh, reference_, &counts); kind != TextKind::document)
    return refusalMessage(kind, displayFileName());
  // The file goes back too, unless another program has changed it since:
  // that change stays, and autosave waits for the user to decide.
  if (!fileHoldsReference_) {
    if (changedOutside()) {
      changedOutside_ = true;
    } else if (const std::string error = writeFileAtomically(*file_, reference_, application_.files());
               !error.empty()) {
      return formatText(localized("WindowController", "“%1” could not be put back as it was: %2."),
                        {displayFileName(), error});
    } else {
      identity_ = fileIdentity(*file_);
      fileHoldsReference_ = true;
      dropKeptCopy();
    }
  }
  replaceDocument(std::move(fresh));
  incomplete_ = !counts.whole();
  incompleteNotice_ = incomplete_ ? incompleteReadNotice(counts, displayFileName()) : std::string();
  autosaveProblem_.clear();
  updateMessageBar();
  return {};
}

void WindowController::autosave() {
  if (!edited_)
    return;
  // Never in the middle of a gesture, where the tiles are half moved, nor
  // under a prompt, whose answer decides what the file is to hold.
  if ((view_ && view_->isInGesture()) || inGestureGroup_ || application_.isPromptOpen()) {
    autosaveTimer_.start(500);
    return;
  }
  // One write at a time: this one follows when the one under way is done.
  if (isWriting()) {
    autosaveTimer_.start(100);
    return;
  }
  autosaveTimer_.setInterval(application_.options().autosaveDelayMilliseconds);
  if (file_)
    autosaveInPlace();
  else
    autosaveUntitled();
}

void WindowController::autosaveInPlace() {
  // A file that did not read whole, or that another program changed, is
  // not written over unasked.
  if (!editor_ || incomplete_ || changedOutside_)
    return;
  if (changedOutside())
    if (resolveOutsideChange())
      return;
  startWrite(WriteKind::autosave, *file_);
}

void WindowController::autosaveUntitled() {
  if (!untitledAutosave_) {
    std::string error;
    const auto folder = application_.instanceFolder(&error);
    if (!folder) {
      setAutosaveProblem(
          formatText(localized("WindowController", "Autosave could not keep this document: %1."), {error}));
      return;
    }
    untitledAutosave_ = *folder / newFileName(".ornival");
  }
  startWrite(WriteKind::untitled, *untitledAutosave_);
}

void WindowController::dropKeptCopy() {
  if (!keptCopy_)
    return;
  std::error_code ignored;
  std::filesystem::remove(*keptCopy_, ignored);
  keptCopy_.reset();
}

void WindowController::setAutosaveProblem(std::string problem) {
  // Told once: the same trouble again changes nothing in the window.
  if (problem == autosaveProblem_)
    return;
  autosaveProblem_ = std::move(problem);
  updateMessageBar();
}

std::string WindowController::message() const {
  return messageBar_ && !messageBar_->isHidden() && messageLabel_ ? messageLabel_->text().toStdString()
                                                                  : std::string();
}

void WindowController::updateMessageBar() {
  if (!messageBar_ || !messageLabel_)
    return;
  std::string text;
  const auto add = [&text](const std::string& line) {
    if (line.empty())
      return;
    if (!text.empty())
      text += "\n";
    text += line;
  };
  add(incompleteNotice_);
  if (changedOutside_)
    add(formatText(localized("WindowController", "“%1” was changed by another program. Ornival stopped saving it "
                                                 "automatically; Save asks what to do."),
                   {displayFileName()}));
  add(autosaveProblem_);
  messageLabel_->setText(QString::fromStdString(text));
  messageBar_->setVisible(!text.empty());
}

bool WindowController::shouldClose() {
  // A write under way ends first, and what it did decides: once it has
  // written everything there is nothing to ask; if it failed, it has said so
  // and the edits are still there to be asked about.
  finishWriting();
  if (!edited_)
    return true;
  const auto answer =
      application_.askToSave ? prompt(application_.askToSave, displayName()) : Application::SaveAnswer::cancel;
  switch (answer) {
    case Application::SaveAnswer::save: return save();
    case Application::SaveAnswer::discard:
      // The file goes back to the version as opened or last saved, unless
      // another program has changed it since.
      if (file_ && !fileHoldsReference_ && !changedOutside()) {
        if (const std::string error = writeFileAtomically(*file_, reference_, application_.files());
            !error.empty()) {
          if (application_.presentError)
            prompt(application_.presentError,
                   formatText(localized("WindowController",
                                        "“%1” could not be put back as it was: %2. The window stays open."),
                              {displayFileName(), error}));
          return false;
        }
        fileHoldsReference_ = true;
      }
      return true;
    case Application::SaveAnswer::cancel: return false;
  }
  return false;
}

void WindowController::close() {
  autosaveTimer_.stop();
  // A write under way is the user's work: it ends before the window goes.
  finishWriting();
  // Exports under way stop and write nothing: the window they belong to is
  // going.
  if (taskList_)
    taskList_->cancelAll();
  encodeRestorableState();
  // Closed on purpose: an untitled document kept for the next session goes,
  // and so does the copy of the version to go back to.
  if (untitledAutosave_) {
    std::error_code ignored;
    std::filesystem::remove(*untitledAutosave_, ignored);
    untitledAutosave_.reset();
  }
  dropKeptCopy();
  if (editor_)
    editor_->operations->neighborQueue()->cancelAllOperations();
  closePopovers();
  if (window_)
    window_->hide();
  application_.windowClosed(*this);
}

// Restoration -----------------------------------------------------------------

std::string WindowController::restorationGroup() const {
  if (!file_)
    return {};
  const QByteArray path = QByteArray::fromStdString(std::filesystem::absolute(*file_).lexically_normal().string());
  return "Windows/" + QCryptographicHash::hash(path, QCryptographicHash::Sha1).toHex().toStdString();
}

void WindowController::encodeRestorableState() const {
  const std::string group = restorationGroup();
  if (group.empty() || !editor_)
    return;
  QSettings settings;
  settings.beginGroup(QString::fromStdString(group));
  QList<QVariant> tools;
  for (const Shapes kind : editor_->selectedTools)
    if (kind != Shapes::multi)
      tools.push_back(kind.rawValue());
  if (!tools.isEmpty())
    settings.setValue("selectedTools", tools);
  settings.setValue("toolCategory", toolCategory);
}

void WindowController::restoreState() {
  const std::string group = restorationGroup();
  if (group.empty() || !editor_)
    return;
  QSettings settings;
  settings.beginGroup(QString::fromStdString(group));
  undo_->disableUndoRegistration();
  std::vector<Shapes> tools;
  for (const QVariant& value : settings.value("selectedTools").toList()) {
    bool ok = false;
    const qlonglong raw = value.toLongLong(&ok);
    const auto kind = ok ? Shapes::init(raw) : std::nullopt;
    if (kind && *kind != Shapes::multi)
      tools.push_back(*kind);
  }
  if (!tools.empty())
    editor_->selectTools(tools);
  toolCategory = settings.value("toolCategory", 1).toInt();
  undo_->enableUndoRegistration();
}

// What the editor and the document tell the window -----------------------------

void WindowController::setSelectedTools(const std::vector<Shapes>& tools) {
  selectedTools_ = tools;
  if (toolbarDelegate_)
    toolbarDelegate_->setSelectedTool(tools.size() == 1 && tools.front() != Shapes::multi
                                          ? std::optional<Shapes>(tools.front())
                                          : std::nullopt);
  if (toolStrip_ && toolStripBar_ && toolStripBar_->isVisible())
    toolStrip_->reload(tools);
  if (iconMenu_ && iconMenu_->isVisible()) {
    iconMenu_->tools = tools;
    iconMenu_->updateToolName();
    iconMenu_->updateSelection();
    iconMenu_->makeSectionNames();
    iconMenu_->buildCategoryMenus();
  }
}

void WindowController::refreshCatalogueBrowser() {
  // A hidden browser catches up when it is shown.
  if (iconMenu_ && iconMenu_->isVisible())
    iconMenu_->refresh();
}

void WindowController::closeChangeColors() {
  if (changeColorsPopover_)
    PopoverHost::close(*changeColorsPopover_);
}

void WindowController::openUntitledDocument() { application_.newDocument(); }

IconMenuViewController* WindowController::iconMenu() {
  if (!iconMenu_) {
    iconMenu_ = new IconMenuViewController(editor_, window_.get());
    iconMenu_->setWindowFlag(Qt::Popup);
    iconMenu_->resize(760, 560);
    if (toolCategory >= 0 && toolCategory < catalogueCategories::count)
      iconMenu_->setCategory(toolCategory);
    iconMenu_->categoryChanged = [this](int category) { toolCategory = category; };
    iconMenu_->dispatch = [this](const std::function<void(ViewController&)>& body) {
      if (view_)
        view_->dispatch(body);
    };
    // The editor's shortcuts typed in the browser take the window's routing.
    iconMenu_->nextResponder = [this](QKeyEvent* event) { keyDown(keyEvent(*event)); };
    iconMenu_->mirrorCommand = [this](bool keepTools) {
      if (view_)
        view_->dispatch([keepTools](ViewController& editor) { editor.mirror(keepTools); });
    };
    iconMenu_->closeRequest = [menu = iconMenu_] {
      if (menu)
        menu->close();
    };
  }
  return iconMenu_;
}

void WindowController::showIconMenu() {
  IconMenuViewController* menu = iconMenu();
  menu->tools = selectedTools_;
  if (window_) {
    // Under the toolbar's button, leaving the toolbar in sight; no larger
    // than the screen has room for.
    PopupAnchor at;
    at.widget = sender_ ? sender_.data() : toolbarAnchor(*menu);
    if (!at.widget)
      at.point = window_->mapToGlobal(QPoint(0, window_->centralWidget() ? window_->centralWidget()->y() : 0));
    if (const QScreen* screen = window_->screen()) {
      const QSize room = screen->availableGeometry().size();
      // Wide enough for its segments where the screen allows.
      const int wide = std::max(760, menu->sizeHint().width());
      menu->resize(std::min(wide, room.width()), std::min(560, room.height() * 4 / 5));
    }
    menu->move(popupPlace(*menu, at));
  }
  menu->show();
  menu->scrollTofirstTool();
}

void WindowController::setShapeColor(const Color& color) {
  shapeColor_ = color;
  if (toolbarDelegate_)
    toolbarDelegate_->setShapeColor(color);
}

void WindowController::setDimension(int dimension) {
  dimension_ = dimension;
  if (view_)
    view_->setRelief(dimension == 3);
  // The panels open over the view stay above the relief's window.
  for (Popover* panel : {exportPopover_, changeColorsPopover_})
    if (panel && panel->isVisible())
      panel->raise();
  if (toolbarDelegate_)
    toolbarDelegate_->setDimension(dimension);
  if (document_)
    document_->setDisplayMode(dimension);
}

void WindowController::setCountTitle(const std::string& title) {
  countTitle_ = title;
  if (toolbarDelegate_)
    toolbarDelegate_->setCountTitle(QString::fromStdString(title));
  if (window_)
    window_->statusBar()->showMessage(QString::fromStdString(title));
  // The counts change with the tiles, without a notice of the document.
  if (countPopover_ && countPopover_->isVisible())
    refreshCountPopover(*countPopover_);
}

void WindowController::updateToolLabel(Shapes kind, int count) {
  const auto& name = Shapes::figures()[std::size_t(kind.rawValue() - 1)]->name();
  toolLabels_[std::size_t(kind.rawValue())] = count >= 1 ? std::to_string(count) : name;
  if (toolbarDelegate_)
    toolbarDelegate_->setToolLabel(kind, toolLabels_[std::size_t(kind.rawValue())]);
}

const std::string& WindowController::toolLabel(Shapes kind) const { return toolLabels_[std::size_t(kind.rawValue())]; }

void WindowController::setCornerFactor(CornerFactor factor, double value) {
  cornerFactors_[int(factor)] = value;
  if (toolbarDelegate_)
    toolbarDelegate_->setCornerFactor(int(factor), value);
}

void WindowController::setScaleLabel(const std::string& label) {
  scaleLabel_ = label;
  if (toolbarDelegate_)
    toolbarDelegate_->setScaleLabel(QString::fromStdString(label));
}

void WindowController::setRotateLabel(const std::string& label) {
  rotateLabel_ = label;
  if (toolbarDelegate_)
    toolbarDelegate_->setRotateLabel(QString::fromStdString(label));
}

double WindowController::shownRotation(double degrees) const {
  return rotatePopover_ ? rotatePopover_->shown(degrees) : degrees;
}

void WindowController::updateSurfaceScene() {
  if (surfacePopover_ && surfacePopover_->isVisible())
    surfacePopover_->updateScene();
}

void WindowController::resetRotation() {
  if (!editor_)
    return;
  const double r = document_->rotation();
  // The editor's square search turns the document to the squared angle;
  // repeated use cycles 0, squared, squared + 135, 0.
  editor_->huggingSquare();
  const double squared = document_->rotation();
  if (r == 0.0)
    return;
  if (r == squared)
    document_->setRotation(squared + 135.0);
  else
    document_->setRotation(0.0);
}

bool WindowController::colorWellIsActive() const {
  return toolbarDelegate_ && toolbarDelegate_->colorWell() && toolbarDelegate_->colorWell()->isActive();
}

void WindowController::showColorPopover() {
  // At the tile clicked, as a context menu opens.
  if (!colorPopover_ || !popoverHost_ || !document_ || !view_)
    return;
  PopupAnchor at;
  at.point = view_->lastPressPosition();
  if (at.point.isNull())
    at.widget = toolbarAnchor(*colorPopover_);
  popoverHost_->show(*colorPopover_, at, document_);
}

void WindowController::showChangeColors() { windowActions_.perform(Action{"showChangeColors", 0, {}}); }

void WindowController::offerSaveSnapshot(std::shared_ptr<const RgbaImage> image) {
  if (!image || !application_.chooseSnapshotFile)
    return;
  const auto folder = file_ ? file_->parent_path() : application_.documentsFolder();
  const auto chosen = prompt(application_.chooseSnapshotFile,
                             folder / localized("WindowController", "Snapshot.png",
                                                "the file name offered for a snapshot"));
  if (!chosen)
    return;
  // Encoded whole in memory, so that writing it is one checked step.
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  const std::string error =
      toQImage(*image).save(&buffer, "png")
          ? writeFileAtomically(*chosen, std::string_view(png.constData(), std::size_t(png.size())),
                                application_.files())
          : localized("WindowController", "the picture could not be encoded");
  if (!error.empty() && application_.presentError)
    prompt(application_.presentError,
           formatText(localized("WindowController", "The snapshot “%1” could not be saved: %2."),
                      {chosen->filename().string(), error}));
}

// Toolbar, popovers and figure strip ------------------------------------------

void WindowController::performEvent(const std::function<void()>& body) {
  if (!undo_)
    return;
  const std::shared_ptr<UndoManager> undo = undo_;
  undo->beginGroup();
  body();
  undo->endGroup();
  noteEvent();
}

bool WindowController::sendFrom(const Action& action, QWidget* sender) {
  sender_ = sender;
  const bool taken = send(action);
  sender_ = nullptr;
  return taken;
}

void WindowController::showExportNotice(const std::optional<std::filesystem::path>& file, const std::string& error) {
  if (!exportNotice_)
    return;
  if (file) {
    exported_ = *file;
    const QString folder = QDir::toNativeSeparators(QString::fromStdString(file->parent_path().string()));
    exportNoticeText_->setText(QCoreApplication::translate("WindowController", "Exported “%1” to %2.")
                                   .arg(QString::fromStdString(file->filename().string()), folder));
    exportNoticeReveal_->show();
  } else {
    exported_.clear();
    exportNoticeText_->setText(
        QCoreApplication::translate("WindowController", "Nothing was exported: %1").arg(QString::fromStdString(error)));
    exportNoticeReveal_->hide();
  }
  exportNotice_->show();
}

void WindowController::showPopover(Popover& popover, QWidget* anchor) {
  if (!popoverHost_ || !document_)
    return;
  PopupAnchor at;
  at.widget = anchor ? anchor : toolbarAnchor(popover);
  popoverHost_->show(popover, at, document_);
}

QWidget* WindowController::toolbarAnchor(const QWidget& popup) const {
  // Asked for from a menu or a key: at the toolbar item that opens it, when
  // the toolbar shows one.
  if (!toolbarDelegate_)
    return nullptr;
  std::vector<const char*> items;
  if (&popup == colorPopover_)
    items = {"Color"};
  else if (&popup == borderPopover_ || &popup == surfacePopover_)
    items = {"Border", "Dimension"};
  else if (&popup == countPopover_)
    items = {"Count"};
  else if (&popup == scalePopover_)
    items = {"Scale"};
  else if (&popup == rotatePopover_)
    items = {"Rotate"};
  else if (&popup == iconMenu_.data())
    items = {"Shapes"};
  ToolbarDelegate& toolbar = *toolbarDelegate_;
  for (const char* identifier : items) {
    const auto& shown = toolbar.currentItems();
    if (std::find(shown.begin(), shown.end(), identifier) == shown.end())
      continue;
    QWidget* widget = toolbar.toolbar().widgetForAction(toolbar.makeToolbarItem(identifier));
    if (widget && widget->isVisible())
      return widget;
  }
  return nullptr;
}

void WindowController::closePopovers() {
  for (Popover* popover : std::initializer_list<Popover*>{colorPopover_, borderPopover_, surfacePopover_, countPopover_,
                                                          scalePopover_, rotatePopover_, exportPopover_,
                                                          changeColorsPopover_})
    if (popover && popover->isVisible())
      PopoverHost::close(*popover);
}

void WindowController::buildWindowParts() {
  auto* toolbar = new QToolBar(QCoreApplication::translate("WindowController", "Toolbar"), window_.get());
  window_->addToolBar(Qt::TopToolBarArea, toolbar);
  toolbarDelegate_ = new ToolbarDelegate(
      *toolbar, {[this](const std::string& action, int tag, QWidget* sender) { sendFrom({action, tag, {}}, sender); },
                 [this](QWidget* sender) { sendFrom({"selectColor", 0, {}}, sender); },
                 [this](QWidget* sender) { sendFrom({"showBorderSurface", 0, {}}, sender); }});
  toolbarDelegate_->setDimension(dimension_);
  if (ColorWell* well = toolbarDelegate_->colorWell())
    QObject::connect(well, &ColorWell::colorPicked, well, [this](const Color& color) {
      performEvent([&] { document_->setShapeColor(color); });
    });

  // The figure strip: one row under the toolbar, hidden until asked for.
  window_->addToolBarBreak(Qt::TopToolBarArea);
  toolStripBar_ = new QToolBar(QCoreApplication::translate("WindowController", "Tool Strip"), window_.get());
  toolStripBar_->setObjectName(QStringLiteral("ToolStrip"));
  toolStripBar_->setMovable(false);
  toolStrip_ = new ToolStrip(toolStripBar_);
  toolStripBar_->addWidget(toolStrip_);
  window_->addToolBar(Qt::TopToolBarArea, toolStripBar_);
  toolStripBar_->hide();
  toolStrip_->selectTool = [this](Shapes kind) {
    if (view_ && editor_)
      view_->dispatch([kind](ViewController& editor) { editor.selectTool(kind); });
  };
  toolStrip_->status = [this](Shapes kind) { return editor_ ? editor_->toolStatus(kind) : ItemStatus::unused; };

  // The message bar: what the window has to say about its file, shown until
  // it no longer holds, without a dialog in the way of the work.
  messageBar_ = new QToolBar(QCoreApplication::translate("WindowController", "Messages"), window_.get());
  messageBar_->setObjectName(QStringLiteral("MessageBar"));
  messageBar_->setMovable(false);
  messageBar_->setFloatable(false);
  messageBar_->toggleViewAction()->setVisible(false);
  auto* icon = new QLabel(messageBar_);
  icon->setPixmap(window_->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(24, 24));
  icon->setContentsMargins(6, 0, 6, 0);
  messageBar_->addWidget(icon);
  messageLabel_ = new QLabel(messageBar_);
  messageLabel_->setAccessibleName(QCoreApplication::translate("WindowController", "Message"));
  messageLabel_->setWordWrap(true);
  messageLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  messageLabel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  messageBar_->addWidget(messageLabel_);
  window_->addToolBar(Qt::BottomToolBarArea, messageBar_);
  messageBar_->hide();

  // The word on the last export, at the status bar's right end, where the
  // tile count's messages leave it standing.
  exportNotice_ = new QWidget(window_.get());
  auto* noticeLayout = new QHBoxLayout(exportNotice_);
  noticeLayout->setContentsMargins(0, 0, 0, 0);
  exportNoticeText_ = new QLabel(exportNotice_);
  exportNoticeText_->setObjectName(QStringLiteral("exportNotice"));
  exportNoticeText_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* reveal = new QToolButton(exportNotice_);
  reveal->setText(QCoreApplication::translate("WindowController", "Show in Folder"));
  reveal->setAccessibleName(
      QCoreApplication::translate("WindowController", "Show the exported file in the file manager"));
  QObject::connect(reveal, &QToolButton::clicked, exportNotice_, [this] {
    if (!exported_.empty())
      application_.fileViewer().reveal(exported_);
  });
  exportNoticeReveal_ = reveal;
  auto* dismiss = new QToolButton(exportNotice_);
  dismiss->setText(QStringLiteral("✕"));
  dismiss->setAutoRaise(true);
  dismiss->setAccessibleName(QCoreApplication::translate("WindowController", "Dismiss"));
  dismiss->setToolTip(QCoreApplication::translate("WindowController", "Dismiss"));
  QObject::connect(dismiss, &QToolButton::clicked, exportNotice_, [this] { exportNotice_->hide(); });
  noticeLayout->addWidget(exportNoticeText_);
  noticeLayout->addWidget(reveal);
  noticeLayout->addWidget(dismiss);
  window_->statusBar()->addPermanentWidget(exportNotice_);
  // Its place is kept while it is hidden, so that the status bar keeps its
  // height and the drawing is not resized when the word comes or goes.
  QSizePolicy noticePolicy = exportNotice_->sizePolicy();
  noticePolicy.setRetainSizeWhenHidden(true);
  exportNotice_->setSizePolicy(noticePolicy);
  exportNotice_->hide();
  taskList_ = new TaskList(window_.get(), application_.options().taskShownAfterMilliseconds);
  window_->statusBar()->addPermanentWidget(taskList_);

  // The popovers.
  popoverHost_ = std::make_unique<PopoverHost>(*window_);
  const SettingBinder::Perform perform = [this](const std::function<void()>& body) { performEvent(body); };
  const auto gesture = [this](bool begin) {
    if (!undo_)
      return;
    if (begin && !inGestureGroup_) {
      undo_->beginGroup();
      inGestureGroup_ = true;
    } else if (!begin && inGestureGroup_) {
      inGestureGroup_ = false;
      undo_->endGroup();
      noteEvent();
    }
  };
  QWidget* parent = window_.get();
  colorPopover_ = new ColorPopover(perform, gesture, parent);
  borderPopover_ = new BorderPopover(perform, gesture, parent);
  surfacePopover_ = new SurfacePopover(perform, gesture, parent);
  countPopover_ = makeCountPopover(perform, gesture, parent);
  scalePopover_ = makeScalePopover(perform, gesture, parent);
  rotatePopover_ = new RotatePopover(perform, gesture, parent);
  exportPopover_ = makeExportPopover(perform, gesture, parent, [this] { send({"exportPNG", 0, {}}); },
                                     &application_.userDefaults());
  changeColorsPopover_ = makeChangeColorsPopover(
      perform, gesture, parent, [this] { send({"changeColors", 0, {}}); },
      [this](const std::string& key) { keyDown({key, {}}); });
  for (Popover* popover : {static_cast<Popover*>(colorPopover_), static_cast<Popover*>(borderPopover_),
                           static_cast<Popover*>(surfacePopover_), countPopover_, scalePopover_,
                           static_cast<Popover*>(rotatePopover_), exportPopover_, changeColorsPopover_}) {
    popover->command = [this](const std::string& action) { send({action, 0, {}}); };
    popover->mouseMoved = [this](QPointF global, Qt::KeyboardModifiers modifiers) {
      if (!view_ || !editor_)
        return;
      const QPointF point = view_->mapFromGlobal(global);
      const MouseEvent event = mouseEvent(point, view_->height(), modifiers, 0);
      view_->dispatch([&](ViewController& editor) { editor.mouseMoved(event); });
    };
  }
  exportPopover_->didClose = [this] {
    if (editor_)
      editor_->boundsLayer->setHidden(true);
    if (view_)
      view_->refreshDrawing();
  };
  changeColorsPopover_->didClose = [this] {
    if (editor_ && editor_->imageLayer)
      editor_->imageLayer->setPath(std::nullopt);
    if (view_)
      view_->refreshDrawing();
  };
}

void WindowController::buildPopoverActions() {
  const auto anchor = [this] { return sender_.data(); };
  windowActions_.add("showCounts", [this, anchor](const Action&) { showPopover(*countPopover_, anchor()); });
  windowActions_.add("showScaleMenu", [this, anchor](const Action&) { showPopover(*scalePopover_, anchor()); });
  windowActions_.add("showRotateMenu", [this, anchor](const Action&) {
    if (!editor_)
      return;
    // The slider spans half a turn either way of the first marked tile.
    double reference = 0.0;
    for (const auto& tile : editor_->graph().shapes())
      if (tile->marked) {
        reference = -std::atan2(tile->transformation.b, tile->transformation.a) * 180.0 / M_PI;
        break;
      }
    rotatePopover_->setRange(reference - 180.0, reference + 180.0);
    // The label tells the angle as the new range shows it.
    if (document_)
      document_->setRotation(document_->rotation());
    showPopover(*rotatePopover_, anchor());
  });
  windowActions_.add("selectColor", [this, anchor](const Action&) { showPopover(*colorPopover_, anchor()); });
  windowActions_.add("showBorder", [this, anchor](const Action&) { showPopover(*borderPopover_, anchor()); });
  windowActions_.add("showSurface", [this, anchor](const Action&) { showPopover(*surfacePopover_, anchor()); });
  windowActions_.add("showBorderSurface", [this, anchor](const Action&) {
    showPopover(dimension_ == 3 ? static_cast<Popover&>(*surfacePopover_) : static_cast<Popover&>(*borderPopover_),
                anchor());
  });
  windowActions_.add("showExport", [this](const Action&) {
    if (!editor_)
      return;
    editor_->boundsLayer->setHidden(false);
    showPopover(*exportPopover_, nullptr);
  });
  windowActions_.add("closeExport", [this](const Action&) { PopoverHost::close(*exportPopover_); });
  windowActions_.add("showChangeColors", [this](const Action&) {
    if (!editor_ || !editor_->imageLayer)
      return;
    // The frame in the layer's own coordinates, which its bounds give, as
    // the editor keeps it after a drag.
    const auto& layer = editor_->imageLayer;
    layer->setPath(Path::rectangle(layer->bounds()));
    showPopover(*changeColorsPopover_, nullptr);
  });
  windowActions_.add("closeChangeColors", [this](const Action&) { PopoverHost::close(*changeColorsPopover_); });
  windowActions_.add("toggleToolStrip", [this](const Action&) {
    toolStripBar_->setVisible(!toolStripBar_->isVisible());
    if (toolStripBar_->isVisible())
      toolStrip_->reload(selectedTools_);
  });
  windowActions_.setCheck("toggleToolStrip", [this](const Action&) { return toolStripBar_ && toolStripBar_->isVisible(); });
  windowActions_.add("customizeToolbar", [this](const Action&) { toolbarDelegate_->customize(); });
}

}  // namespace ornival
