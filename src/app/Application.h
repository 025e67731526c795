#pragma once

#include "app/ExampleIcons.h"
#include "app/core/ActionRouter.h"
#include "app/core/Menu.h"
#include "document/ReliefSnapshot.h"
#include "platform/AtomicFile.h"

#include <QObject>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QIcon;
class QLockFile;
class QMenu;
class QMenuBar;

namespace ornival {

class BitmapWriter;
class FileViewer;
class OperationQueue;
class UserDefaults;
class WindowController;

// The program: its windows, its menus, opening and making documents, and the
// untitled documents kept from the last session. The dialogs it shows go
// through replaceable functions so that tests answer them.
//
// Each running program keeps what it autosaves in a folder of its own under
// the autosave folder, locked while it runs; at start it offers only what
// programs that have ended left behind, never another running one's work.
//
// Main thread only.
class Application : public QObject {
  Q_OBJECT

public:
  struct Options {
    // Where examples are listed from.
    std::filesystem::path examplesFolder;
    // Where untitled documents are autosaved.
    std::filesystem::path autosaveFolder;
    // Seconds from an edit to its autosave.
    int autosaveDelayMilliseconds = 3000;
    // What every document, kept copy and snapshot is written with: the
    // system's calls unless a test breaks one.
    const FileCalls* files = &systemFileCalls();
    // How long an export or a save runs before its window shows it, with
    // its progress and a Cancel button.
    int taskShownAfterMilliseconds = 400;
  };
  explicit Application(Options options);
  ~Application() override;

  const Options& options() const { return options_; }
  const FileCalls& files() const { return options_.files ? *options_.files : systemFileCalls(); }

  // Opens a document file in a new window, or brings forward the window that
  // has it. A file that is no document is refused with a message: no window.
  WindowController* openFile(const std::filesystem::path& file);
  WindowController* newDocument();
  // An example opens as an untitled document with the example's title and no
  // unsaved changes.
  WindowController* openExample(const std::string& title, const std::filesystem::path& file);
  // Offers the untitled documents autosaved by programs that have ended
  // without closing them; returns how many were opened again. Those declined
  // are deleted, and empty or unreadable ones without asking.
  int reopenUntitledAutosaves();
  // This program's own folder among the autosaves, made and locked on first
  // use; none, with the reason in error, when it cannot be.
  std::optional<std::filesystem::path> instanceFolder(std::string* error = nullptr);
  // Where a document saved for the first time is suggested to go.
  std::filesystem::path documentsFolder() const;

  const std::vector<std::shared_ptr<WindowController>>& windows() const { return windows_; }
  void windowClosed(WindowController& controller);

  // The menu bar of a window, its menus validated as they open.
  void buildMenuBar(QMenuBar& bar, WindowController& controller);
  const std::vector<MenuItem>& toolsMenu() const { return toolsMenu_; }
  const std::vector<MenuItem>& examplesMenu() const { return examplesMenu_; }
  // The icon every example item shows until its thumbnail comes: the icon
  // of the document type, made once.
  static const QIcon& exampleDocumentIcon();
  // The application's own actions: the end of every window's chain.
  ActionTable& actions() { return actions_; }

  UserDefaults& userDefaults() { return *defaults_; }
  FileViewer& fileViewer() { return *viewer_; }
  BitmapWriter& bitmapWriter() { return *bitmaps_; }
  // What relief exports and prints render with: an offscreen OpenGL context
  // each; empty where the platform has no OpenGL.
  SnapshotRendererMaker reliefRenderers() const;

  // Dialogs.
  enum class SaveAnswer { save, discard, cancel };
  // Another program changed the file: take its version, write this window's
  // over it, save this window's elsewhere, or leave both as they are.
  enum class ChangedAnswer { reload, overwrite, saveAs, cancel };
  // A file that did not read whole is about to be saved over.
  enum class IncompleteAnswer { save, saveAs, cancel };
  std::function<void(const std::string& message)> presentError;
  std::function<SaveAnswer(const std::string& displayName)> askToSave;
  // suggested: the folder to start in and the name to offer.
  std::function<std::optional<std::filesystem::path>(const std::filesystem::path& suggested)> chooseSaveFile;
  std::function<std::optional<std::filesystem::path>(const std::filesystem::path& suggested)> chooseSnapshotFile;
  std::function<std::optional<std::filesystem::path>()> chooseOpenFile;
  std::function<bool(int count)> askToReopen;
  std::function<ChangedAnswer(const std::string& displayName)> askAboutOutsideChange;
  std::function<IncompleteAnswer(const std::string& notice)> askToSaveOverIncomplete;

  // Marks a prompt as open for as long as it lives; autosave waits for every
  // prompt to close, so that what the user answers is what happens.
  class PromptScope {
  public:
    explicit PromptScope(Application& application) : application_(application) { ++application_.prompts_; }
    ~PromptScope() { --application_.prompts_; }
    PromptScope(const PromptScope&) = delete;
    PromptScope& operator=(const PromptScope&) = delete;

  private:
    Application& application_;
  };
  // Whether a prompt or any other modal dialog is open.
  bool isPromptOpen() const;

private:
  WindowController* show(std::shared_ptr<WindowController> controller);
  void fillMenu(QMenu& menu, const std::vector<MenuItem>& items, WindowController& controller);
  // The thumbnails of the examples are asked for once, at start, on the
  // export queue; every window's Examples items follow them.
  void requestExampleIcons(const std::vector<MenuItem>& items);
  void followExampleIcon(QAction& item, const std::string& file);

  Options options_;
  // The name of this program's autosave folder and its lock, taken on first use.
  std::string instanceName_;
  std::unique_ptr<QLockFile> instanceLock_;
  int prompts_ = 0;
  std::vector<std::shared_ptr<WindowController>> windows_;
  std::vector<MenuItem> toolsMenu_;
  std::vector<MenuItem> examplesMenu_;
  ActionTable actions_;
  std::unique_ptr<UserDefaults> defaults_;
  std::unique_ptr<FileViewer> viewer_;
  std::unique_ptr<BitmapWriter> bitmaps_;
  // Per example file, the action (a child of the application, in no menu)
  // that holds the example's icon as drawn so far.
  std::map<std::string, QAction*> exampleIconSources_;
  ExampleIcons exampleIcons_;
};

// The data folder of untitled autosaves.
std::filesystem::path defaultAutosaveFolder();

}  // namespace ornival
