#include "app/Application.h"
#include "app/HelpWindow.h"

#include "app/WindowController.h"
#include "app/core/DocumentFile.h"
#include "app/core/EditorActions.h"
#include "app/DrawnIcon.h"
#include "app/ExampleIcons.h"
#include "app/core/Examples.h"
#include "model/Operations.h"
#include "platform/OperationQueue.h"
#include "app/core/ExportMenu.h"
#include "app/core/ToolsMenu.h"
#include "app/core/WindowPlacement.h"
#include "document/Document.h"
#include "document/qt/QtBitmapWriter.h"
#include "editor/ViewController.h"
#include "platform/Localization.h"
#include "figures/Figure.h"
#include "platform/AtomicFile.h"
#include "platform/Icon.h"
#include "platform/RegularFile.h"
#include "platform/UndoManager.h"
#include "platform/qt/QPainterAdapter.h"
#include "platform/qt/DbusFileViewer.h"
#include "platform/qt/QSettingsUserDefaults.h"
#include "platform/qt/QtOffscreenRenderer.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QIcon>
#include <QKeySequence>
#include <QLockFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QUuid>

#include <algorithm>
#include <map>
#include <system_error>

namespace ornival {
namespace {

QString qstring(const std::string& text) { return QString::fromStdString(text); }

// The key of a menu item, where the desktop has a convention for it. Items
// that share an action (Paste and Paste and Add) are told apart by their tag:
// two items holding one key would make Qt fire neither.
QKeySequence shortcutFor(const std::string& action, int tag) {
  struct Key {
    std::string_view action;
    int tag;
    QKeySequence key;
  };
  static const std::vector<Key> keys = {
      {"newDocument", 0, QKeySequence(QKeySequence::New)},
      {"newTab", 0, QKeySequence(QStringLiteral("Ctrl+Shift+N"))},
      {"openDocument", 0, QKeySequence(QKeySequence::Open)},
      {"performClose", 0, QKeySequence(QKeySequence::Close)},
      {"saveDocument", 0, QKeySequence(QKeySequence::Save)},
      // The desktops that bind Save As bind it to this; some bind nothing.
      {"saveDocumentAs", 0, QKeySequence(QStringLiteral("Ctrl+Shift+S"))},
      {"export", 0, QKeySequence(QStringLiteral("Ctrl+Shift+E"))},
      {"print", 0, QKeySequence(QKeySequence::Print)},
      {"terminate", 0, QKeySequence(QKeySequence::Quit)},
      {"undo", 0, QKeySequence(QKeySequence::Undo)},
      {"redo", 0, QKeySequence(QKeySequence::Redo)},
      {"cut", 0, QKeySequence(QKeySequence::Cut)},
      {"copy", 0, QKeySequence(QKeySequence::Copy)},
      {"paste", 0, QKeySequence(QKeySequence::Paste)},
      {"paste", 1, QKeySequence(QStringLiteral("Ctrl+Shift+V"))},
      {"delete", 0, QKeySequence(QKeySequence::Delete)},
      {"selectAll", 0, QKeySequence(QKeySequence::SelectAll)},
      {"group", 0, QKeySequence(QStringLiteral("Ctrl+G"))},
      {"ungroup", 0, QKeySequence(QStringLiteral("Ctrl+Shift+G"))},
      {"showDimension", 0, QKeySequence(QStringLiteral("Ctrl+3"))},
      {"resetScale", 0, QKeySequence(QStringLiteral("Ctrl+0"))},
      {"toggleToolStrip", 0, QKeySequence(QStringLiteral("F9"))},
      {"showHelp", 0, QKeySequence(QKeySequence::HelpContents)},
  };
  for (const Key& key : keys)
    if (key.action == action && key.tag == tag)
      return key.key;
  return {};
}

// The titles are marked for the translators where the menus are written
// down, and looked up here.
MenuItem item(const char* title, std::string action, int tag = 0) {
  MenuItem entry;
  entry.title = localized("Menu", title);
  entry.action = std::move(action);
  entry.tag = tag;
  return entry;
}

MenuItem separator() {
  MenuItem entry;
  entry.separator = true;
  return entry;
}

MenuItem submenu(const char* title, std::vector<MenuItem> items) {
  MenuItem entry;
  entry.title = localized("Menu", title);
  entry.submenu = std::move(items);
  return entry;
}

// A menu item's picture: a tile's figure in its colour, turned as it lies,
// filling the picture's square; or a figure's catalogue picture. Drawn at the
// screen's density.
QIcon menuIcon(const MenuItem& entry) {
  if (entry.picture && entry.picture->figure) {
    const TilePicture picture = *entry.picture;
    const QString key = QStringLiteral("menu-tile:%1:%2:%3")
                            .arg(picture.figure->tool().rawValue())
                            .arg(toQColor(picture.color).rgba())
                            .arg(picture.angle, 0, 'g', 17);
    return drawnIcon(key, [picture](QPainter& painter, const QSize& pixels) {
      const double size = std::min(pixels.width(), pixels.height());
      // The outline's width and margin keep their size in points.
      const double points = size / std::max(1, picture.size);
      QPainterAdapter adapter(painter, pixels.height());
      const Figure& figure = *picture.figure;
      const Vec2 center = figure.center();
      const double radius = figure.radius();
      const double scale = radius > 0.0 ? (size / 2.0 - 1.5 * points) / radius : 1.0;
      const AffineTransform transform = AffineTransform::translation(-center.x, -center.y)
                                            .concatenating(AffineTransform::scale(scale, scale))
                                            .concatenating(AffineTransform::rotation(picture.angle))
                                            .concatenating(AffineTransform::translation(size / 2.0, size / 2.0));
      const Path outline = figure.path().transformed(transform);
      adapter.fill(outline, picture.color);
      adapter.stroke(outline, Color{0.0, 0.0, 0.0, 0.5}, {points, LineCap::butt, LineJoin::round});
    });
  }
  if (entry.image) {
    const std::shared_ptr<const Icon> image = entry.image;
    if (image->size().x <= 0.0 || image->size().y <= 0.0)
      return {};
    return drawnIcon(QStringLiteral("menu-image:%1").arg(quintptr(image.get())),
                     [image](QPainter& painter, const QSize& pixels) {
                       QPainterAdapter adapter(painter, pixels.height());
                       image->draw(adapter, Rect{{0, 0}, {double(pixels.width()), double(pixels.height())}});
                     });
  }
  return {};
}

// A Tools menu item's picture: the figure's, on the highlight's colour when
// it is a selected tool. The picture is the point of the item, so the state
// shows in it rather than in a check box beside it.
QIcon toolMenuIcon(const Figure& figure, bool selected) {
  const auto shown = Shapes::figures()[std::size_t(figure.tool().rawValue() - 1)];
  const QColor highlight = QGuiApplication::palette().color(QPalette::Highlight);
  return drawnIcon(QStringLiteral("menu-tool:%1:%2").arg(figure.tool().rawValue()).arg(selected ? highlight.rgba() : 0),
                   [shown, selected, highlight](QPainter& painter, const QSize& pixels) {
                     const QRectF square(QPointF(0, 0), QSizeF(pixels));
                     if (selected) {
                       painter.setPen(Qt::NoPen);
                       painter.setBrush(highlight);
                       const double round = pixels.height() / 5.0;
                       painter.drawRoundedRect(square, round, round);
                     }
                     const auto image = shown->image();
                     if (!image)
                       return;
                     // The picture fills its square; on the highlight it
                     // stands a little inside.
                     const int inset = selected ? std::max(1, pixels.height() / 10) : 0;
                     QImage inner(pixels - QSize(2 * inset, 2 * inset), QImage::Format_ARGB32_Premultiplied);
                     inner.fill(Qt::transparent);
                     {
                       QPainter innerPainter(&inner);
                       QPainterAdapter adapter(innerPainter, inner.height());
                       image->draw(adapter, Rect{{0, 0}, {double(inner.width()), double(inner.height())}});
                     }
                     painter.drawImage(QPoint(inset, inset), inner);
                   });
}

// Menus whose pictures are larger than the desktop's small icons: the
// figures' 20-point pictures, the examples' 48-point thumbnails.
class MenuIconStyle final : public QProxyStyle {
public:
  MenuIconStyle(int size) : QProxyStyle(QApplication::style()->name()), size_(size) {}
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    if (metric == PM_SmallIconSize)
      return size_;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }

private:
  int size_;
};

QStyle* menuIconStyle(int size) {
  // One per size for the process; the application keeps them.
  static std::map<int, QPointer<QStyle>> styles;
  QPointer<QStyle>& style = styles[size];
  if (!style) {
    style = new MenuIconStyle(size);
    style->setParent(qApp);
  }
  return style;
}

// Asked for at the first relief picture or print, never at start: the probe
// for OpenGL makes a context, which can take a good part of a second.
SnapshotRendererMaker offscreenReliefRenderers() {
  if (!QtOffscreenRenderer::available())
    return {};
  return [](std::shared_ptr<const Scene> scene, std::shared_ptr<const SceneNode> pointOfView, const Camera& camera,
            Color background) -> std::unique_ptr<SnapshotRenderer> {
    return QtOffscreenRenderer::create(std::move(scene), std::move(pointOfView), camera, background);
  };
}

// A surface made now on the GUI thread, for the context that the export's
// work makes on its own thread: the window never waits for the relief.
SnapshotRendererMaker workerReliefRenderers() {
  auto surface = QtOffscreenRenderer::workerSurface();
  if (!surface)
    return {};
  return [surface = std::move(surface)](std::shared_ptr<const Scene> scene, std::shared_ptr<const SceneNode> pointOfView,
                                        const Camera& camera, Color background) -> std::unique_ptr<SnapshotRenderer> {
    return QtOffscreenRenderer::createOnThisThread(surface, std::move(scene), std::move(pointOfView), camera,
                                                   background);
  };
}

std::unique_ptr<BitmapWriter> makeBitmapWriter() {
  auto writer = std::make_unique<QtBitmapWriter>();
  writer->reliefRenderers = offscreenReliefRenderers;
  writer->workerReliefRenderers = workerReliefRenderers;
  return writer;
}

}  // namespace

std::filesystem::path defaultAutosaveFolder() {
  return std::filesystem::path(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString()) /
         "Autosave";
}

Application::Application(Options options)
    : options_(std::move(options)),
      instanceName_(QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString()),
      toolsMenu_(makeToolsMenu()),
      examplesMenu_(makeExamplesMenu(options_.examplesFolder)),
      defaults_(std::make_unique<QSettingsUserDefaults>()),
      viewer_(std::make_unique<DbusFileViewer>()),
      bitmaps_(makeBitmapWriter()) {
  requestExampleIcons(examplesMenu_);
  actions_.add("newDocument", [this](const Action&) { newDocument(); });
  actions_.add("openDocument", [this](const Action&) {
    if (!chooseOpenFile)
      return;
    if (const auto file = chooseOpenFile())
      openFile(*file);
  });
  actions_.add("openExample", [this](const Action& action) {
    if (action.representedObject.empty())
      return;
    const std::filesystem::path file = action.representedObject;
    openExample(exampleTitle(file.filename().string(), "ornival"), file);
  });
  actions_.add("showHelp", [](const Action&) { HelpWindow::showHelp(); });
  actions_.add("terminate", [](const Action&) { QApplication::closeAllWindows(); });

  presentError = [](const std::string& message) {
    QMessageBox::warning(nullptr, QCoreApplication::translate("Application", "Ornival"), qstring(message));
  };
  askToSave = [](const std::string& name) {
    QMessageBox box(
        QMessageBox::Warning, QCoreApplication::translate("Application", "Ornival"),
        QCoreApplication::translate("Application", "Do you want to save the changes made to the document “%1”?")
            .arg(qstring(name)),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    box.setInformativeText(
        QCoreApplication::translate("Application", "Your changes will be lost if you don’t save them."));
    switch (box.exec()) {
      case QMessageBox::Save: return SaveAnswer::save;
      case QMessageBox::Discard: return SaveAnswer::discard;
      default: return SaveAnswer::cancel;
    }
  };
  chooseSaveFile = [](const std::filesystem::path& suggested) -> std::optional<std::filesystem::path> {
    QString start = qstring(suggested.string());
    if (!start.endsWith(".ornival"))
      start += ".ornival";
    const QString file = QFileDialog::getSaveFileName(
        nullptr, QCoreApplication::translate("Application", "Save"), start,
        QCoreApplication::translate("Application", "Ornival documents (%1)").arg(QStringLiteral("*.ornival")));
    if (file.isEmpty())
      return std::nullopt;
    return file.toStdString();
  };
  chooseSnapshotFile = [](const std::filesystem::path& suggested) -> std::optional<std::filesystem::path> {
    const QString file = QFileDialog::getSaveFileName(
        nullptr, QCoreApplication::translate("Application", "Save Snapshot…"), qstring(suggested.string()),
        QCoreApplication::translate("Application", "PNG pictures (%1)").arg(QStringLiteral("*.png")));
    if (file.isEmpty())
      return std::nullopt;
    return file.toStdString();
  };
  chooseOpenFile = []() -> std::optional<std::filesystem::path> {
    const QString filters =
        QCoreApplication::translate("Application", "Ornival documents (%1)").arg(QStringLiteral("*.ornival")) +
        QStringLiteral(";;") + QCoreApplication::translate("Application", "All files (%1)").arg(QStringLiteral("*"));
    const QString file =
        QFileDialog::getOpenFileName(nullptr, QCoreApplication::translate("Application", "Open"), {}, filters);
    if (file.isEmpty())
      return std::nullopt;
    return file.toStdString();
  };
  askToReopen = [](int count) {
    // One document has a sentence of its own: English has no plural form
    // to spare, and other languages take the count from %n.
    const QString question =
        count == 1
            ? QCoreApplication::translate("Application",
                                          "Ornival kept an unsaved document from a session that ended without "
                                          "closing it. Open it again? If not, it is deleted.")
            : QCoreApplication::translate("Application",
                                          "Ornival kept %n unsaved documents from a session that ended without "
                                          "closing them. Open them again? Those not opened again are deleted.",
                                          nullptr, count);
    return QMessageBox::question(nullptr, QCoreApplication::translate("Application", "Ornival"), question) ==
           QMessageBox::Yes;
  };
  askAboutOutsideChange = [](const std::string& name) {
    QMessageBox box(
        QMessageBox::Warning, QCoreApplication::translate("Application", "Ornival"),
        QCoreApplication::translate("Application",
                                    "“%1” was changed by another program since Ornival last read or saved it.")
            .arg(qstring(name)));
    box.setInformativeText(QCoreApplication::translate(
        "Application",
        "Reload shows the file as it is now and drops the changes made in this window. Overwrite replaces "
        "the file with this window’s document. Until you choose, Ornival does not save over the file."));
    QPushButton* reload =
        box.addButton(QCoreApplication::translate("Application", "Reload"), QMessageBox::DestructiveRole);
    QPushButton* overwrite =
        box.addButton(QCoreApplication::translate("Application", "Overwrite"), QMessageBox::AcceptRole);
    QPushButton* saveAs =
        box.addButton(QCoreApplication::translate("Application", "Save As…"), QMessageBox::ActionRole);
    box.addButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == reload)
      return ChangedAnswer::reload;
    if (box.clickedButton() == overwrite)
      return ChangedAnswer::overwrite;
    if (box.clickedButton() == saveAs)
      return ChangedAnswer::saveAs;
    return ChangedAnswer::cancel;
  };
  askToSaveOverIncomplete = [](const std::string& notice) {
    QMessageBox box(QMessageBox::Warning, QCoreApplication::translate("Application", "Ornival"), qstring(notice));
    box.setInformativeText(QCoreApplication::translate("Application",
                                                       "Saving replaces the file with what this window shows; the "
                                                       "tiles that could not be read are then lost from it."));
    QPushButton* save =
        box.addButton(QCoreApplication::translate("Application", "Save Anyway"), QMessageBox::DestructiveRole);
    QPushButton* saveAs =
        box.addButton(QCoreApplication::translate("Application", "Save As…"), QMessageBox::AcceptRole);
    box.addButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == save)
      return IncompleteAnswer::save;
    if (box.clickedButton() == saveAs)
      return IncompleteAnswer::saveAs;
    return IncompleteAnswer::cancel;
  };
}

Application::~Application() {
  windows_.clear();
  // The windows have cancelled their exports; those under way stop at their
  // next check, before the program's statics go.
  Operations::exportQueue()->waitUntilAllOperationsAreFinished();
  // A folder left with nothing in it goes; one that still holds work stays,
  // and with its lock gone the next start offers what it holds.
  if (instanceLock_) {
    std::error_code ignored;
    const auto folder = options_.autosaveFolder / instanceName_;
    std::filesystem::remove(folder / "Kept", ignored);
    std::filesystem::remove(folder, ignored);
  }
}

std::optional<std::filesystem::path> Application::instanceFolder(std::string* error) {
  const auto folder = options_.autosaveFolder / instanceName_;
  if (instanceLock_)
    return folder;
  std::error_code code;
  std::filesystem::create_directories(options_.autosaveFolder, code);
  if (code) {
    if (error)
      *error = code.message();
    return std::nullopt;
  }
  auto lock = std::make_unique<QLockFile>(qstring((options_.autosaveFolder / (instanceName_ + ".lock")).string()));
  // Held for as long as the program runs: never taken for stale by age.
  lock->setStaleLockTime(0);
  if (!lock->tryLock(0)) {
    if (error)
      *error = std::system_category().message(lock->error() == QLockFile::PermissionError ? EACCES : EEXIST);
    return std::nullopt;
  }
  std::filesystem::create_directories(folder, code);
  if (code) {
    if (error)
      *error = code.message();
    return std::nullopt;
  }
  instanceLock_ = std::move(lock);
  return folder;
}

std::filesystem::path Application::documentsFolder() const {
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return (documents.isEmpty() ? QDir::homePath() : documents).toStdString();
}

bool Application::isPromptOpen() const { return prompts_ > 0 || QApplication::activeModalWidget() != nullptr; }

WindowController* Application::show(std::shared_ptr<WindowController> controller) {
  QMainWindow& window = *controller->window();
  // On the screen of the window in front, below and right of the last one,
  // and never larger than the screen (a small screen at twice the density
  // has few points).
  const QWidget* front = QApplication::activeWindow();
  std::optional<ScreenRect> previous;
  FrameMargins frame{2, 30, 2, 2};
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    const QMainWindow* other = (*it)->window();
    if (!other || !other->isVisible())
      continue;
    const QRect outer = other->frameGeometry();
    const QRect inner = other->geometry();
    previous = ScreenRect{outer.x(), outer.y(), outer.width(), outer.height()};
    // The window manager's frame as it is, once there is one to measure.
    if (outer != inner)
      frame = {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
               outer.bottom() - inner.bottom()};
    if (!front)
      front = other;
    break;
  }
  const QScreen* screen = front ? front->screen() : QGuiApplication::primaryScreen();
  if (screen) {
    const QRect room = screen->availableGeometry();
    const WindowPlacement placement = placeWindow(WindowController::preferredWidth, WindowController::preferredHeight,
                                                  {room.x(), room.y(), room.width(), room.height()}, frame, previous);
    window.resize(placement.width, placement.height);
    if (placement.x && placement.y)
      window.move(*placement.x, *placement.y);
  }
  windows_.push_back(controller);
  window.show();
  return controller.get();
}

WindowController* Application::openFile(const std::filesystem::path& file) {
  const auto absolute = std::filesystem::absolute(file).lexically_normal();
  for (const auto& window : windows_) {
    if (window->file() && std::filesystem::absolute(*window->file()).lexically_normal() == absolute) {
      window->window()->raise();
      window->window()->activateWindow();
      return window.get();
    }
  }
  const auto refuse = [this](const std::string& message) -> WindowController* {
    if (presentError) {
      PromptScope prompt(*this);
      presentError(message);
    }
    return nullptr;
  };
  // Only a regular file of a document's size, looked at before it is opened:
  // never a pipe that would wait for ever or a device without end.
  FileContents contents = readRegularFile(file, largestDocumentBytes);
  if (!contents.ok())
    return refuse(readRefusalMessage(contents, file.filename().string()));
  auto document = Document::create();
  ReadCounts counts;
  const TextKind kind = readDocument(*document, contents.bytes, &counts);
  if (kind != TextKind::document)
    return refuse(refusalMessage(kind, file.filename().string()));
  auto controller = WindowController::create(*this, std::move(document), absolute);
  controller->setOpenedFile(std::move(contents.bytes), contents.identity, counts);
  return show(std::move(controller));
}

WindowController* Application::newDocument() {
  return show(WindowController::create(*this, Document::create(), std::nullopt));
}

WindowController* Application::openExample(const std::string& title, const std::filesystem::path& file) {
  const FileContents contents = readRegularFile(file, largestDocumentBytes);
  if (!contents.ok())
    return nullptr;
  auto document = Document::create();
  if (readDocument(*document, contents.bytes) != TextKind::document)
    return nullptr;
  WindowController* controller = show(WindowController::create(*this, std::move(document), std::nullopt));
  controller->setDisplayName(title);
  controller->setEdited(false);
  return controller;
}

namespace {

// The temporary files of the atomic writer in `folder`, and nothing else: a
// file of any other name stays.
void removeWriteLeftovers(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> leftovers;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    std::error_code ignored;
    if (entry.is_regular_file(ignored) && !entry.is_symlink(ignored) &&
        isAtomicWriteTemporary(entry.path().filename().string()))
      leftovers.push_back(entry.path());
  }
  for (const auto& file : leftovers) {
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
  }
}

}  // namespace

int Application::reopenUntitledAutosaves() {
  // The folders of programs that have ended: their locks are free. A running
  // program's folder is left alone, whatever it holds.
  std::vector<std::unique_ptr<QLockFile>> endedLocks;
  std::vector<std::filesystem::path> endedFolders;
  std::vector<std::filesystem::path> files;
  const auto isDocument = [](const std::filesystem::directory_entry& entry) {
    std::error_code ignored;
    return entry.path().extension() == ".ornival" && entry.is_regular_file(ignored);
  };
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(options_.autosaveFolder, error)) {
    std::error_code ignored;
    if (entry.is_directory(ignored)) {
      if (entry.path().filename() == instanceName_)
        continue;
      auto lock = std::make_unique<QLockFile>(qstring(entry.path().string() + ".lock"));
      lock->setStaleLockTime(0);
      if (!lock->tryLock(0))
        continue;
      for (const auto& inner : std::filesystem::directory_iterator(entry.path(), ignored))
        if (isDocument(inner))
          files.push_back(inner.path());
      // A write its program was making when it ended never finishes now.
      removeWriteLeftovers(entry.path());
      removeWriteLeftovers(entry.path() / "Kept");
      endedLocks.push_back(std::move(lock));
      endedFolders.push_back(entry.path());
    } else if (isDocument(entry)) {
      // Kept without a folder of its own, as autosaves were before they had
      // owners.
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());

  // What is empty or no document is of no use to anyone: it goes unasked.
  std::vector<std::pair<std::filesystem::path, std::shared_ptr<Document>>> kept;
  for (const auto& file : files) {
    const FileContents contents = readRegularFile(file, largestDocumentBytes);
    auto document = Document::create();
    std::error_code ignored;
    if (!contents.ok() || contents.bytes.empty() || readDocument(*document, contents.bytes) != TextKind::document)
      std::filesystem::remove(file, ignored);
    else
      kept.emplace_back(file, std::move(document));
  }

  bool reopen = false;
  if (!kept.empty() && askToReopen) {
    PromptScope prompt(*this);
    reopen = askToReopen(int(kept.size()));
  }
  int opened = 0;
  for (auto& [file, document] : kept) {
    std::error_code ignored;
    if (!reopen) {
      std::filesystem::remove(file, ignored);
      continue;
    }
    // Moved into this program's own folder, under its lock.
    std::filesystem::path adopted = file;
    if (const auto own = instanceFolder()) {
      std::error_code moved;
      std::filesystem::rename(file, *own / file.filename(), moved);
      if (!moved)
        adopted = *own / file.filename();
    }
    WindowController* controller = show(WindowController::create(*this, std::move(document), std::nullopt));
    // Still unsaved: it keeps its place in the folder until saved or closed.
    controller->adoptUntitledAutosave(adopted);
    controller->setEdited(true);
    ++opened;
  }
  for (const auto& folder : endedFolders) {
    std::error_code ignored;
    std::filesystem::remove(folder / "Kept", ignored);
    std::filesystem::remove(folder, ignored);
  }
  return opened;
}

void Application::windowClosed(WindowController& controller) {
  const auto found = std::find_if(windows_.begin(), windows_.end(),
                                  [&controller](const auto& window) { return window.get() == &controller; });
  if (found == windows_.end())
    return;
  // Dropped once the close event that led here has returned.
  auto keep = *found;
  windows_.erase(found);
  QMetaObject::invokeMethod(this, [keep] {}, Qt::QueuedConnection);
}

void Application::fillMenu(QMenu& menu, const std::vector<MenuItem>& items, WindowController& controller) {
  const std::weak_ptr<WindowController> weak = controller.weak_from_this();
  for (const MenuItem& entry : items) {
    if (entry.separator) {
      menu.addSeparator();
      continue;
    }
    if (!entry.submenu.empty() || entry.action.empty()) {
      QMenu* sub = menu.addMenu(qstring(entry.title));
      if (entry.image || entry.picture) {
        sub->setIcon(menuIcon(entry));
        sub->menuAction()->setIconVisibleInMenu(true);
      }
      // The examples' thumbnails are 48 points; a submenu shows its pictures
      // at its parent's size.
      if (entry.title == localized("Menu", "Examples"))
        sub->setStyle(menuIconStyle(48));
      else if (menu.style() != QApplication::style())
        sub->setStyle(menu.style());
      // A group of tools shows its head figure, and whether it is selected.
      if (const auto head = entry.action == "selectTool" ? Shapes::init(entry.tag) : std::nullopt;
          head && *head != Shapes::multi) {
        const Figure& figure = *Shapes::figures()[std::size_t(head->rawValue() - 1)];
        QAction* item = sub->menuAction();
        item->setIcon(toolMenuIcon(figure, false));
        item->setIconVisibleInMenu(true);
        const Action sent{entry.action, entry.tag, entry.representedObject};
        QObject::connect(&menu, &QMenu::aboutToShow, item, [weak, sent, item, &figure] {
          if (const auto window = weak.lock())
            if (const auto checked = window->router().checkState(sent))
              item->setIcon(toolMenuIcon(figure, *checked));
        });
      }
      fillMenu(*sub, entry.submenu, controller);
      continue;
    }
    QAction* action = menu.addAction(qstring(entry.title));
    action->setShortcut(shortcutFor(entry.action, entry.tag));
    if (entry.image || entry.picture) {
      action->setIcon(menuIcon(entry));
      // The pictures are the point of these items: shown even where the
      // desktop hides menu icons.
      action->setIconVisibleInMenu(true);
    }
    if (entry.action == "openExample") {
      followExampleIcon(*action, entry.representedObject);
      action->setIconVisibleInMenu(true);
    }
    // A tool's item shows its figure, and whether it is selected in it.
    const auto tool = entry.action == "selectTool" ? Shapes::init(entry.tag) : std::nullopt;
    if (tool && *tool != Shapes::multi) {
      const Figure& figure = *Shapes::figures()[std::size_t(tool->rawValue() - 1)];
      action->setIcon(toolMenuIcon(figure, false));
      action->setIconVisibleInMenu(true);
    }
    const Action sent{entry.action, entry.tag, entry.representedObject};
    action->setData(QVariant::fromValue(QString::fromStdString(entry.action)));
    QObject::connect(action, &QAction::triggered, &menu, [weak, sent] {
      if (const auto window = weak.lock())
        window->send(sent);
    });
    // Validated as the menu opens; items with a check mark show it from the
    // start, and items that name their step (Undo, Redo) name it then.
    const auto validate = [weak, sent, action, title = entry.title] {
      const auto window = weak.lock();
      if (!window)
        return;
      action->setEnabled(window->router().validate(sent));
      if (const auto checked = window->router().checkState(sent)) {
        if (const auto tool = sent.name == "selectTool" ? Shapes::init(sent.tag) : std::nullopt;
            tool && *tool != Shapes::multi) {
          const Figure& figure = *Shapes::figures()[std::size_t(tool->rawValue() - 1)];
          action->setIcon(toolMenuIcon(figure, *checked));
        } else {
          action->setCheckable(true);
          action->setChecked(*checked);
        }
      }
      const auto named = window->router().title(sent);
      action->setText(qstring(named ? *named : title));
    };
    if (controller.router().checkState(sent))
      validate();
    QObject::connect(&menu, &QMenu::aboutToShow, action, validate);
  }
}

SnapshotRendererMaker Application::reliefRenderers() const { return offscreenReliefRenderers(); }

const QIcon& Application::exampleDocumentIcon() {
  // Never destroyed: the icon engines it may hold belong to the theme
  // loader, which can be gone when statics are.
  static const QIcon* const icon = new QIcon([] {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(QStringLiteral("example.ornival"),
                                                           QMimeDatabase::MatchExtension);
    QIcon fallback = QIcon::fromTheme(type.genericIconName());
    if (fallback.isNull())
      fallback = QFileIconProvider().icon(QFileIconProvider::File);
    return QIcon::fromTheme(type.iconName(), fallback);
  }());
  return *icon;
}

void Application::requestExampleIcons(const std::vector<MenuItem>& items) {
  for (const MenuItem& entry : items) {
    requestExampleIcons(entry.submenu);
    if (entry.action != "openExample" || exampleIconSources_.count(entry.representedObject))
      continue;
    auto* source = new QAction(this);
    source->setIcon(exampleDocumentIcon());
    exampleIconSources_.emplace(entry.representedObject, source);
    exampleIcons_.request(*source, entry.representedObject);
  }
}

void Application::followExampleIcon(QAction& item, const std::string& file) {
  const auto found = exampleIconSources_.find(file);
  if (found == exampleIconSources_.end())
    return;
  QAction* source = found->second;
  item.setIcon(source->icon());
  QObject::connect(source, &QAction::changed, &item, [source, &item] {
    if (source->icon().cacheKey() != item.icon().cacheKey())
      item.setIcon(source->icon());
  });
}

void Application::buildMenuBar(QMenuBar& bar, WindowController& controller) {
  const std::vector<std::pair<const char*, std::vector<MenuItem>>> menus = {
      {QT_TRANSLATE_NOOP("Menu", "File"),
       {
           item(QT_TRANSLATE_NOOP("Menu", "New"), "newDocument"),
           item(QT_TRANSLATE_NOOP("Menu", "New Window"), "newTab"),
           item(QT_TRANSLATE_NOOP("Menu", "Open…"), "openDocument"),
           submenu(QT_TRANSLATE_NOOP("Menu", "Examples"), examplesMenu_),
           separator(),
           item(QT_TRANSLATE_NOOP("Menu", "Close"), "performClose"),
           item(QT_TRANSLATE_NOOP("Menu", "Save"), "saveDocument"),
           item(QT_TRANSLATE_NOOP("Menu", "Save As…"), "saveDocumentAs"),
           item(QT_TRANSLATE_NOOP("Menu", "Revert to Saved"), "revertDocumentToSaved"),
           separator(),
           item(QT_TRANSLATE_NOOP("Menu", "Export SVG"), "export", 2),
           item(QT_TRANSLATE_NOOP("Menu", "Export Bitmap…"), "export", 0),
           submenu(QT_TRANSLATE_NOOP("Menu", "Export 3D Scene"), sceneExportMenu()),
           item(QT_TRANSLATE_NOOP("Menu", "Share"), "share"),
           separator(),
           item(QT_TRANSLATE_NOOP("Menu", "Print…"), "print"),
           separator(),
           item(QT_TRANSLATE_NOOP("Menu", "Quit"), "terminate"),
       }},
      {QT_TRANSLATE_NOOP("Menu", "Edit"),
       {
           item(QT_TRANSLATE_NOOP("Menu", "Undo"), "undo"),
           item(QT_TRANSLATE_NOOP("Menu", "Redo"), "redo"),
           separator(),
           item(QT_TRANSLATE_NOOP("Menu", "Cut"), "cut"),
           item(QT_TRANSLATE_NOOP("Menu", "Copy"), "copy"),
           item(QT_TRANSLATE_NOOP("Menu", "Paste"), "paste"),
           item(QT_TRANSLATE_NOOP("Menu", "Paste and Add"), "paste", 1),
           item(QT_TRANSLATE_NOOP("Menu", "Delete"), "delete"),
           item(QT_TRANSLATE_NOOP("Menu", "Select All"), "selectAll"),
           separator(),
           item(QT_TRANSLATE_NOOP("Menu", "Group"), "group"),
           item(QT_TRANSLATE_NOOP("Menu", "Ungroup"), "ungroup"),
           item(QT_TRANSLATE_NOOP("Menu", "Mirror"), "mirror"),
           item(QT_TRANSLATE_NOOP("Menu", "Invert Colors"), "invertColors"),
           separator(),
           item(QT_TRANSLATE_NOOP("Menu", "Change Colors…"), "setColorsWithImage"),
           item(QT_TRANSLATE_NOOP("Menu", "Colors from Image"), "changeColors"),
           item(QT_TRANSLATE_NOOP("Menu", "Remove Image"), "removeImage"),
       }},
      // Filled by the editor each time they open.
      {QT_TRANSLATE_NOOP("Menu", "Select"), {}},
      {QT_TRANSLATE_NOOP("Menu", "Layer"), {}},
      {QT_TRANSLATE_NOOP("Menu", "Format"),
       {
           item(QT_TRANSLATE_NOOP("Menu", "Colors…"), "selectColor"),
           item(QT_TRANSLATE_NOOP("Menu", "Border and Crossings…"), "showBorder"),
           item(QT_TRANSLATE_NOOP("Menu", "Surface…"), "showSurface"),
       }},
      {QT_TRANSLATE_NOOP("Menu", "View"),
       {
           item(QT_TRANSLATE_NOOP("Menu", "3D View"), "showDimension"),
           item(QT_TRANSLATE_NOOP("Menu", "Hugging Square"), "huggingSquare"),
           separator(),
           item(QT_TRANSLATE_NOOP("Menu", "Catalogue…"), "showIconMenu"),
           item(QT_TRANSLATE_NOOP("Menu", "Counts…"), "showCounts"),
           item(QT_TRANSLATE_NOOP("Menu", "Zoom…"), "showScaleMenu"),
           item(QT_TRANSLATE_NOOP("Menu", "Rotation…"), "showRotateMenu"),
           separator(),
           item(QT_TRANSLATE_NOOP("Menu", "Toggle Zoom"), "toggleZoom"),
           item(QT_TRANSLATE_NOOP("Menu", "Reset Zoom"), "resetScale"),
           item(QT_TRANSLATE_NOOP("Menu", "Square the View"), "resetRotation"),
           separator(),
           item(QT_TRANSLATE_NOOP("Menu", "Show Tool Strip"), "toggleToolStrip"),
           item(QT_TRANSLATE_NOOP("Menu", "Customize Toolbar…"), "customizeToolbar"),
       }},
      {QT_TRANSLATE_NOOP("Menu", "Tools"), toolsMenu_},
      {QT_TRANSLATE_NOOP("Menu", "Help"),
       {
           item(QT_TRANSLATE_NOOP("Menu", "Ornival Help"), "showHelp"),
       }},
  };
  for (const auto& [title, items] : menus) {
    QMenu* menu = bar.addMenu(QCoreApplication::translate("Menu", title));
    if (std::string_view(title) == "Tools")
      menu->setStyle(menuIconStyle(20));
    fillMenu(*menu, items, controller);
    const std::string_view name = title;
    if (name != "Select" && name != "Layer")
      continue;
    const bool selectMenu = name == "Select";
    const std::weak_ptr<WindowController> weak = controller.weak_from_this();
    QObject::connect(menu, &QMenu::aboutToShow, menu, [this, menu, weak, selectMenu] {
      for (QMenu* sub : menu->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        sub->deleteLater();
      menu->clear();
      const auto window = weak.lock();
      if (!window || !window->editor())
        return;
      std::vector<EditorMenuItem> items;
      if (selectMenu)
        window->editor()->updateSelectMenu(items);
      else
        window->editor()->updateLayerMenu(items);
      fillMenu(*menu, menuItems(items), *window);
    });
  }
}

}  // namespace ornival
