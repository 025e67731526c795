#pragma once

#include "app/core/ActionRouter.h"
#include "app/core/DocumentFile.h"
#include "document/DocumentExporter.h"
#include "document/DocumentWindow.h"
#include "editor/EditorWindowController.h"
#include "editor/InputEvents.h"
#include "editor/qt/View.h"
#include "platform/AtomicFile.h"
#include "platform/OperationQueue.h"
#include "platform/Progress.h"
#include "platform/RegularFile.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QAbstractButton;
class QLabel;
class QMenu;
class QToolBar;
class QWidget;

namespace ornival {

class Application;
class Document;
class FileViewer;
class DocumentMainWindow;
class UndoManager;

class ViewController;
class ToolbarDelegate;
class PopoverHost;
class Popover;
class ColorPopover;
class BorderPopover;
class SurfacePopover;
class RotatePopover;
class ToolStrip;
class IconMenuViewController;
class TaskList;

// The controller of one document window: it makes the window with its view
// and editor, hands the document to the editor, routes keys and actions,
// carries the reset commands, and owns the document's file: saving,
// autosaving, reverting and closing without losing work.
//
// The file: autosave writes the document in place a moment after an edit,
// never in the middle of a gesture, under a prompt, over a file that did not
// read whole or over a change another program made. The version Revert and
// Discard go back to (the file as opened, or as last saved on purpose) is
// kept in memory, and in the program's own folder before anything else is
// written over it; a clean close lets go of that copy. A failed write
// changes nothing: the window stays edited and says why.
//
// Actions travel the router: the editor, this controller, the document's
// commands, the application. Every action and key is one undo group.
//
// Main thread only.
class WindowController final : public EditorWindowController,
                               public DocumentWindow,
                               public std::enable_shared_from_this<WindowController> {
public:
  // The size a new window's content has where the screen has room for it.
  static constexpr int preferredWidth = 1080;
  static constexpr int preferredHeight = 800;

  // A window for a document read already (its tiles waiting in its hand-over
  // list). file: where it was read from, none while untitled.
  static std::shared_ptr<WindowController> create(Application& application, std::shared_ptr<Document> document,
                                                  std::optional<std::filesystem::path> file);
  ~WindowController() override;

  DocumentMainWindow* window() const { return window_.get(); }
  View* view() const { return view_; }
  const std::shared_ptr<Document>& document() const { return document_; }
  const std::shared_ptr<ViewController>& editor() const { return editor_; }
  const std::shared_ptr<UndoManager>& undoManager() const { return undo_; }
  const ActionRouter& router() const { return router_; }

  // The file, none while untitled.
  const std::optional<std::filesystem::path>& file() const { return file_; }
  // The title shown: the file's name, the example's title, or "Untitled".
  std::string displayName() const;
  void setDisplayName(std::string name);
  bool isEdited() const { return edited_; }
  void setEdited(bool edited);
  // Where an untitled document is kept between sessions; none until its first
  // autosave.
  const std::optional<std::filesystem::path>& untitledAutosave() const { return untitledAutosave_; }
  void adoptUntitledAutosave(std::filesystem::path file) { untitledAutosave_ = std::move(file); }
  // What the window's file held when it was opened, which Revert and Discard
  // go back to until the document is saved on purpose, the file's identity
  // then and how many of its tiles were read.
  void setOpenedFile(std::string bytes, const FileIdentity& identity, const ReadCounts& counts);
  // Where the version Revert goes back to is kept while the file holds
  // another; none while the file holds it.
  const std::optional<std::filesystem::path>& keptCopy() const { return keptCopy_; }
  // Whether Revert to Saved has something to go back to.
  bool canRevert() const;
  // What the window's message bar says (notices, autosave trouble); empty
  // while it is hidden.
  std::string message() const;

  // Sends an action along the router as one undo group; whether something
  // took it.
  bool send(const Action& action);
  // Key routing: the editor's own keys, then this controller's table; false
  // passes the key on.
  bool keyDown(const KeyEvent& event);

  // Lifecycle. Saving on purpose; a failure is told in a dialog and keeps
  // the edits. The document is written on the window's save queue, whole or
  // not at all, from its tiles as they stood: `wait` holds the window until
  // the file is written, as closing needs, and then says whether it was;
  // else it says whether the write has begun.
  bool save(bool wait = true);
  bool saveAs(bool wait = true);
  // Goes back to the file as opened, or as last saved on purpose, and puts
  // that back into the file: a fresh document and editor, since the undo
  // steps of the old tiles have no meaning for the new ones. Why not, or
  // empty.
  std::string revert();
  // Writes the document where autosave keeps it: its own file, or this
  // program's untitled folder. Put off while a gesture is under way or a
  // prompt is open; a failure shows in the window's message bar.
  void autosave();
  bool isAutosavePending() const { return autosaveTimer_.isActive(); }
  // Waits for the write under way, if any, and takes in what it did.
  void finishWriting();
  // Whether a write is under way.
  bool isWriting();
  const std::shared_ptr<OperationQueue>& saveQueue() const { return saveQueue_; }
  // Asks about unsaved changes; false keeps the window.
  bool shouldClose();
  void close();

  // Restoration, kept per file in QSettings.
  void encodeRestorableState() const;
  void restoreState();
  int toolCategory = 1;
  // The catalogue browser, a popup over this window made on first use with
  // this window's editor.
  IconMenuViewController* iconMenu();
  void showIconMenu();

  // EditorWindowController
  std::vector<Shapes> selectedTools() const override { return selectedTools_; }
  void setSelectedTools(const std::vector<Shapes>& tools) override;
  void setShapeColor(const Color& color) override;
  void setDimension(int dimension) override;
  int dimension() const { return dimension_; }
  void setCountTitle(const std::string& title) override;
  void updateToolLabel(Shapes kind, int count) override;
  const std::string& toolLabel(Shapes kind) const;
  void refreshCatalogueBrowser() override;
  void updateSurfaceScene() override;
  // Asks where to save the snapshot, as a PNG picture.
  void offerSaveSnapshot(std::shared_ptr<const RgbaImage> image) override;
  bool colorWellIsActive() const override;
  // A right click on a tile: the colour popover at the view's corner.
  void showColorPopover() override;
  void showChangeColors() override;
  void closeChangeColors() override;
  // Qt has no native window tabs: a new tab is a new window.
  void openUntitledDocument() override;
  void deactivateColorWell() override;

  // DocumentWindow
  void setCornerFactor(CornerFactor factor, double value) override;
  void setScaleLabel(const std::string& label) override;
  void setRotateLabel(const std::string& label) override;
  double shownRotation(double degrees) const override;

  // The reset commands of the settings menus.
  void resetRotation();

  // The toolbar, the popovers and the figure strip.
  ToolbarDelegate* toolbarDelegate() const { return toolbarDelegate_; }
  ToolStrip* toolStrip() const { return toolStrip_; }
  QToolBar* toolStripBar() const { return toolStripBar_; }
  ColorPopover* colorPopover() const { return colorPopover_; }
  BorderPopover* borderPopover() const { return borderPopover_; }
  SurfacePopover* surfacePopover() const { return surfacePopover_; }
  RotatePopover* rotatePopover() const { return rotatePopover_; }
  Popover* countPopover() const { return countPopover_; }
  Popover* scalePopover() const { return scalePopover_; }
  Popover* exportPopover() const { return exportPopover_; }
  Popover* changeColorsPopover() const { return changeColorsPopover_; }
  // Shows a popover under the control that asked; without one, under the
  // toolbar item that opens it, else in the view's corner.
  void showPopover(Popover& popover, QWidget* anchor);
  // The toolbar item a popup belongs to, where the toolbar shows it.
  QWidget* toolbarAnchor(const QWidget& popup) const;
  // Sends an action on behalf of a control, which anchors its popover.
  bool sendFrom(const Action& action, QWidget* sender);
  // Runs a change of the document as one user event.
  void performEvent(const std::function<void()>& body);
  // The status bar's word on the last export: the file written and where,
  // with a button that shows it in the file manager; or why nothing was.
  void showExportNotice(const std::optional<std::filesystem::path>& file, const std::string& error);
  QLabel* exportNotice() const { return exportNoticeText_; }
  // The window's exports and saves under way, shown with their progress and
  // a Cancel button.
  TaskList* taskList() const { return taskList_; }
  QAbstractButton* exportNoticeReveal() const { return exportNoticeReveal_; }
  int blackOrWhite = 0;

private:
  WindowController(Application& application, std::shared_ptr<Document> document,
                   std::optional<std::filesystem::path> file);
  void setUp();
  // Makes the view and the editor for the document and loads it.
  void attach(std::shared_ptr<Document> document);
  void detach();
  void buildActions();
  void buildWindowParts();
  void buildPopoverActions();
  // The exports of the document, run on the export queue.
  void makeExporter();
  void closePopovers();
  void noteEvent(bool relief = true);
  static bool leavesTheDrawingAlone(std::string_view action);
  void updateTitle();
  std::string restorationGroup() const;
  // The file's side of saving.
  enum class WriteKind { autosave, untitled, save, saveAs };
  struct Write;
  // Takes the tiles and settings and hands the write to the save queue;
  // whether it did.
  bool startWrite(WriteKind kind, const std::filesystem::path& target);
  // On the save queue.
  static void performWrite(Write& write, const FileCalls& calls, Progress& progress);
  // On the main thread, once per write: what it did, told and taken in.
  void collect(std::shared_ptr<Write> write);
  bool wrote(std::shared_ptr<Write> write, bool wait);
  std::string keepFailure(const std::string& error) const;
  std::string displayFileName() const;
  bool changedOutside() const;
  // Asks what to do about another program's change of the file: none to
  // write over it, else whether the document was saved (elsewhere).
  std::optional<bool> resolveOutsideChange();
  std::string reloadFromFile();
  // A fresh editor and undo manager for a document read again.
  void replaceDocument(std::shared_ptr<Document> fresh);
  void autosaveInPlace();
  void autosaveUntitled();
  void dropKeptCopy();
  void setAutosaveProblem(std::string problem);
  void updateMessageBar();
  // Runs a dialog of the application with autosave held off.
  template <class Dialog, class... Arguments>
  auto prompt(const Dialog& dialog, Arguments&&... arguments);

  Application& application_;
  std::unique_ptr<DocumentMainWindow> window_;
  QPointer<View> view_;
  QPointer<IconMenuViewController> iconMenu_;
  std::shared_ptr<Document> document_;
  std::shared_ptr<ViewController> editor_;
  std::shared_ptr<UndoManager> undo_;
  std::optional<std::filesystem::path> file_;
  std::optional<std::filesystem::path> untitledAutosave_;
  // What this window last read from or wrote to its file.
  std::optional<FileIdentity> identity_;
  // The text Revert and Discard go back to, and whether the file holds it.
  std::string reference_;
  bool fileHoldsReference_ = true;
  std::optional<std::filesystem::path> keptCopy_;
  // The file did not read whole: never written over unasked.
  bool incomplete_ = false;
  std::string incompleteNotice_;
  // Another program changed the file: autosave stops until the user decides.
  bool changedOutside_ = false;
  std::string autosaveProblem_;
  QToolBar* messageBar_ = nullptr;
  QLabel* messageLabel_ = nullptr;
  std::string displayName_;
  bool edited_ = false;
  std::size_t undoCount_ = 0;
  std::size_t redoCount_ = 0;
  bool loading_ = false;
  QTimer autosaveTimer_;
  // Counts the changes that make the window edited.
  std::uint64_t changeCount_ = 0;
  std::shared_ptr<OperationQueue> saveQueue_ = OperationQueue::create();
  std::shared_ptr<Write> writing_;
  std::vector<Shapes> selectedTools_{Shapes::sun8};
  int dimension_ = 2;
  Color shapeColor_ = Color::white();
  std::string countTitle_;
  std::vector<std::string> toolLabels_;
  double cornerFactors_[4] = {1.0, 1.0, 1.0, 1.0};
  std::string scaleLabel_;
  std::string rotateLabel_;

  ToolbarDelegate* toolbarDelegate_ = nullptr;
  std::unique_ptr<PopoverHost> popoverHost_;
  ColorPopover* colorPopover_ = nullptr;
  BorderPopover* borderPopover_ = nullptr;
  SurfacePopover* surfacePopover_ = nullptr;
  RotatePopover* rotatePopover_ = nullptr;
  Popover* countPopover_ = nullptr;
  Popover* scalePopover_ = nullptr;
  Popover* exportPopover_ = nullptr;
  Popover* changeColorsPopover_ = nullptr;
  QToolBar* toolStripBar_ = nullptr;
  ToolStrip* toolStrip_ = nullptr;
  QPointer<QWidget> sender_;
  bool inGestureGroup_ = false;

  ActionRouter router_;
  ActionTable editorActions_;
  ActionTable windowActions_;
  ActionTable documentActions_;
  std::unique_ptr<DocumentExporter> exporter_;
  // The exporters' services live as long as this: exports that end later
  // tell nobody.
  std::shared_ptr<int> exportLifetime_ = std::make_shared<int>();
  TaskList* taskList_ = nullptr;
  std::unique_ptr<ExportWindow> exportWindow_;
  std::unique_ptr<FileViewer> exportViewer_;
  QWidget* exportNotice_ = nullptr;
  QLabel* exportNoticeText_ = nullptr;
  QAbstractButton* exportNoticeReveal_ = nullptr;
  std::filesystem::path exported_;
};

// The document window: its closing asks the controller, and keys the view
// passes on reach the controller's routing.
class DocumentMainWindow : public QMainWindow {
  Q_OBJECT

public:
  explicit DocumentMainWindow(std::weak_ptr<WindowController> controller);

protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  std::weak_ptr<WindowController> controller_;
};

}  // namespace ornival
