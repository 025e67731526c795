#include "app/Application.h"
#include "app/ColorPopover.h"
#include "app/WindowController.h"
#include "app/core/DocumentFile.h"
#include "document/Document.h"
#include "editor/ViewController.h"
#include "editor/qt/View.h"
#include "model/Graph.h"
#include "model/MultiShape.h"
#include "model/Shape.h"
#include "platform/AtomicFile.h"
#include "platform/RgbaImage.h"
#include "platform/ShapeLayer.h"
#include "platform/MainQueue.h"
#include "platform/UndoManager.h"
#include "platform/qt/QtOffscreenRenderer.h"
#include "support/QtApplication.h"
#include "support/TemporaryFolder.h"
#include "support/Waiting.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QWheelEvent>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <set>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace ornival {
namespace {

const std::string settingsLines =
    "shapeColor: FFFFFFFF\nshapeFactor: 1.0\nshapeRadiusLimit: 1.0\nborderColor: 000000FF,FFFFFFFF,000000FF\n"
    "borderWidth: 2.0,0.0,0.0\nborderFactor: 1.0\nborderRadiusLimit: 1.0\nbackgroundColor: 3A5A8CFF\n"
    "scale: 20.0\nrotation: 0.0\ncrossings: 0\ndisplayMode: 2\nmetalness: 0.5\nroughness: 0.5\n"
    "lightAngle: 0.0,0.0,0.0\nambientColor: 999999FF\nsurfaceZscale: 1.0\nsurfaceRoundness: 1.0\n"
    "ripple: 0.0\nrippleScale: 0.0\n";
const std::string twoSquares =
    "Ornival 0.2\n\ncolors:\nFF0000FF\nFFFFFFFF\n\nshapes:\n7,1\n0,1,7,3,0,0,0,0,0,2\n\n" + settingsLines;
const std::string noTiles = "Ornival 0.2\n\n" + settingsLines;

std::string contents(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class Lifecycle : public ::testing::Test {
protected:
  void SetUp() override {
    testing::qtApplication();
    QCoreApplication::setOrganizationName("OrnivalTests");
    QCoreApplication::setApplicationName("OrnivalTests");
    setMainQueue(mainQueue);
    std::filesystem::create_directories(folder / "examples");
    write("examples/TwoSquares.ornival", twoSquares);
    application = std::make_unique<Application>(
        Application::Options{folder / "examples", folder / "autosave", 50});
    application->presentError = [this](const std::string& message) { errors.push_back(message); };
    application->askToSave = [this](const std::string&) { return saveAnswer; };
    application->chooseSaveFile = [this](const std::string&) { return saveTarget; };
    application->askToReopen = [](int) { return true; };
  }
  void TearDown() override {
    application.reset();
    mainQueue->drain();
  }
  std::filesystem::path write(const std::string& name, const std::string& text) {
    std::ofstream(folder / name, std::ios::binary) << text;
    return folder / name;
  }
  // One user event of the window: an undoable change of a setting.
  void edit(WindowController& window, double width) {
    window.undoManager()->beginGroup();
    window.document()->setBorderWidth(width);
    window.undoManager()->endGroup();
    window.setEdited(true);
  }

  std::shared_ptr<ManualMainQueue> mainQueue = ManualMainQueue::create();
  testing::TemporaryFolder folder{"ornival-lifecycle"};
  std::unique_ptr<Application> application;
  std::vector<std::string> errors;
  Application::SaveAnswer saveAnswer = Application::SaveAnswer::cancel;
  std::optional<std::filesystem::path> saveTarget;
};

TEST_F(Lifecycle, AFileThatIsNoDocumentIsRefusedWithAMessageAndLeftAlone) {
  const std::string bytes = std::string("Ornival 0.2\n\xff\xfe\x00 binary", 22);
  const auto binary = write("picture.ornival", bytes);
  const auto notes = write("notes.ornival", "shopping list\n");
  EXPECT_EQ(application->openFile(binary), nullptr);
  EXPECT_EQ(application->openFile(notes), nullptr);
  EXPECT_EQ(application->openFile(folder / "missing.ornival"), nullptr);
  EXPECT_TRUE(application->windows().empty());
  ASSERT_EQ(errors.size(), 3u);
  EXPECT_NE(errors[0].find("“picture.ornival” is not an Ornival document"), std::string::npos);
  EXPECT_NE(errors[1].find("“notes.ornival” is not an Ornival document"), std::string::npos);
  EXPECT_NE(errors[2].find("could not be opened"), std::string::npos);
  EXPECT_EQ(contents(binary), bytes);
}

TEST_F(Lifecycle, OpeningRegistersNoUndoAndSavingWritesTheSameTextAndTags) {
  const auto file = write("squares.ornival", twoSquares);
  WindowController* window = application->openFile(file);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->editor()->graph().shapes().size(), 2u);
  EXPECT_FALSE(window->undoManager()->canUndo());
  EXPECT_FALSE(window->isEdited());
  EXPECT_EQ(window->displayName(), "squares.ornival");
  // Opening the same file again brings its window forward.
  EXPECT_EQ(application->openFile(file), window);

  std::filesystem::remove(file);
  ASSERT_TRUE(window->save());
  EXPECT_EQ(contents(file), twoSquares);
  const auto tags = readFileTags(file);
  if (!tags.empty()) {
    EXPECT_EQ(tags, documentTags(window->editor()->counts));
  }
}

TEST_F(Lifecycle, ExportWaitsForTheFirstSaveAndRevertForAnEdit) {
  WindowController* window = application->newDocument();
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(window->router().validate({"export", 2, {}}));
  EXPECT_FALSE(window->router().validate({"revertDocumentToSaved", 0, {}}));
  EXPECT_TRUE(window->router().validate({"newDocument", 0, {}}));
  EXPECT_FALSE(window->router().validate({"undo", 0, {}}));
  saveTarget = folder / "saved.ornival";
  ASSERT_TRUE(window->send({"saveDocument", 0, {}}));
  window->finishWriting();
  EXPECT_EQ(window->file(), saveTarget);
  EXPECT_TRUE(window->router().validate({"export", 2, {}}));
  edit(*window, 5.0);
  EXPECT_TRUE(window->router().validate({"undo", 0, {}}));
  EXPECT_TRUE(window->router().validate({"revertDocumentToSaved", 0, {}}));
}

TEST_F(Lifecycle, RevertGoesBackToTheFileAsOpenedAndForgetsTheOldUndoSteps) {
  const auto file = write("squares.ornival", noTiles);
  WindowController* window = application->openFile(file);
  ASSERT_NE(window, nullptr);
  window->performEvent([&] { window->document()->setBorderWidth(5.0); });
  ASSERT_TRUE(window->undoManager()->canUndo());
  // Autosave has written the edit over the file: Revert still goes back.
  window->autosave();
  window->finishWriting();
  ASSERT_NE(contents(file), noTiles);

  EXPECT_EQ(window->revert(), "");
  EXPECT_TRUE(window->editor()->graph().shapes().empty());
  EXPECT_TRUE(window->editor()->shapesLayer->sublayers().empty());
  EXPECT_FALSE(window->undoManager()->canUndo());
  EXPECT_FALSE(window->isEdited());
  EXPECT_EQ(window->document()->borderWidth(), 2.0);
  EXPECT_EQ(window->view()->parentWidget(), window->window());
  EXPECT_EQ(contents(file), noTiles);
  EXPECT_FALSE(window->router().validate({"revertDocumentToSaved", 0, {}}));
}

TEST_F(Lifecycle, AutosaveWaitsForTheGestureToEndAndKeepsUntitledDocumentsForTheNextStart) {
  WindowController* window = application->openExample("Two Squares", folder / "examples/TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->displayName(), "Two Squares");
  EXPECT_FALSE(window->isEdited());
  EXPECT_FALSE(window->file().has_value());

  edit(*window, 4.0);
  QTest::mousePress(window->view(), Qt::LeftButton, {}, QPoint(10, 10));
  ASSERT_TRUE(window->view()->isInGesture());
  window->autosave();
  window->finishWriting();
  EXPECT_FALSE(window->untitledAutosave().has_value());
  EXPECT_TRUE(window->isAutosavePending());
  QTest::mouseRelease(window->view(), Qt::LeftButton, {}, QPoint(10, 10));
  // Half a second after the gesture, or later on a busy machine; then
  // written on the save queue.
  ASSERT_TRUE(testing::waitFor([&] { return window->untitledAutosave().has_value(); }));
  window->finishWriting();
  const auto kept = *window->untitledAutosave();
  EXPECT_EQ(kept.parent_path().parent_path(), folder / "autosave");
  EXPECT_NE(contents(kept).find("borderWidth: 4.0"), std::string::npos);
  // The example itself is never written.
  EXPECT_EQ(contents(folder / "examples/TwoSquares.ornival"), twoSquares);

  // The program ends without closing the window, as in a crash; the next
  // start offers it again, still unsaved.
  application.reset();
  Application next({folder / "examples", folder / "autosave", 50});
  next.askToReopen = [](int count) { return count == 1; };
  next.askToSave = [](const std::string&) { return Application::SaveAnswer::discard; };
  ASSERT_EQ(next.reopenUntitledAutosaves(), 1);
  WindowController* reopened = next.windows().front().get();
  EXPECT_TRUE(reopened->isEdited());
  EXPECT_EQ(reopened->document()->borderWidth(), 4.0);
  EXPECT_EQ(reopened->editor()->graph().shapes().size(), 2u);
  // Closed without saving on purpose: nothing is offered any more.
  ASSERT_TRUE(reopened->untitledAutosave().has_value());
  const auto adopted = *reopened->untitledAutosave();
  reopened->window()->close();
  EXPECT_TRUE(next.windows().empty());
  EXPECT_FALSE(std::filesystem::exists(kept));
  EXPECT_FALSE(std::filesystem::exists(adopted));
}

TEST_F(Lifecycle, ClosingWithUnsavedChangesAsksFirst) {
  WindowController* window = application->newDocument();
  edit(*window, 3.0);
  saveAnswer = Application::SaveAnswer::cancel;
  EXPECT_FALSE(window->window()->close());
  EXPECT_EQ(application->windows().size(), 1u);
  saveAnswer = Application::SaveAnswer::save;
  saveTarget = folder / "kept.ornival";
  EXPECT_TRUE(window->window()->close());
  EXPECT_TRUE(application->windows().empty());
  EXPECT_NE(contents(folder / "kept.ornival").find("borderWidth: 3.0"), std::string::npos);
}

TEST_F(Lifecycle, AWriterKilledMidwayLeavesTheFileAsItWas) {
  const auto file = write("squares.ornival", twoSquares);
  // Killed once the new text is written but before it is on the disk.
  struct KilledAtSync : FileCalls {
    int sync(int) const override {
      ::raise(SIGKILL);
      return -1;
    }
  };
  const pid_t child = ::fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    writeFileAtomically(file, "Ornival 0.2\n\nshapes:\n4,1\n", KilledAtSync());
    ::_exit(3);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(contents(file), twoSquares);
  WindowController* window = application->openFile(file);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->editor()->graph().shapes().size(), 2u);
}

TEST_F(Lifecycle, ToolsAreRestoredPerFile) {
  const auto file = write("squares.ornival", twoSquares);
  WindowController* window = application->openFile(file);
  ASSERT_NE(window, nullptr);
  window->send({"selectTool", 7, {}});
  window->toolCategory = 3;
  window->encodeRestorableState();

  Application next({folder / "examples", folder / "autosave", 50});
  WindowController* again = next.openFile(file);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->editor()->selectedTools, ToolSet{Shapes::init(7).value()});
  EXPECT_EQ(again->toolCategory, 3);
  EXPECT_FALSE(again->undoManager()->canUndo());

  // Unknown numbers and the group tile are skipped: nothing is selected.
  again->window()->close();
  QSettings settings;
  for (const QString& group : settings.childGroups())
    for (const QString& window : (settings.beginGroup(group), settings.childGroups())) {
      settings.setValue(window + "/selectedTools", QList<QVariant>{1122, 99999});
    }
  settings.endGroup();
  settings.sync();
  Application third({folder / "examples", folder / "autosave", 50});
  WindowController* restored = third.openFile(file);
  ASSERT_NE(restored, nullptr);
  EXPECT_EQ(restored->editor()->selectedTools, ToolSet{Shapes::sun8});
  settings.clear();
}

}  // namespace
}  // namespace ornival

namespace ornival {
namespace {

QMenu* menuTitled(const QList<QAction*>& actions, const QString& title) {
  for (QAction* action : actions)
    if (action->text() == title && action->menu())
      return action->menu();
  return nullptr;
}

QAction* actionTitled(const QList<QAction*>& actions, const QString& title) {
  for (QAction* action : actions)
    if (action->text() == title)
      return action;
  return nullptr;
}

TEST_F(Lifecycle, MenusAreValidatedAsTheyOpen) {
  WindowController* window = application->newDocument();
  QMenuBar* bar = window->window()->menuBar();
  QStringList titles;
  for (QAction* action : bar->actions())
    titles << action->text();
  EXPECT_EQ(titles, (QStringList{"File", "Edit", "Select", "Layer", "Format", "View", "Tools", "Help"}));

  QMenu* file = menuTitled(bar->actions(), "File");
  ASSERT_NE(file, nullptr);
  QMenu* examples = menuTitled(file->actions(), "Examples");
  ASSERT_NE(examples, nullptr);
  ASSERT_EQ(examples->actions().size(), 1);
  EXPECT_EQ(examples->actions()[0]->text(), "Two Squares");
  EXPECT_EQ(actionTitled(file->actions(), "Save")->shortcut(), QKeySequence(QKeySequence::Save));
  // Save As has its key on every desktop, also where the theme binds none.
  EXPECT_EQ(actionTitled(file->actions(), "Save As…")->shortcut(), QKeySequence("Ctrl+Shift+S"));

  QAction* exportSvg = actionTitled(file->actions(), "Export SVG");
  ASSERT_NE(exportSvg, nullptr);
  emit file->aboutToShow();
  EXPECT_FALSE(exportSvg->isEnabled());
  EXPECT_TRUE(actionTitled(file->actions(), "New")->isEnabled());
  saveTarget = folder / "saved.ornival";
  actionTitled(file->actions(), "Save")->trigger();
  window->finishWriting();
  emit file->aboutToShow();
  EXPECT_TRUE(exportSvg->isEnabled());

  // The example item opens the example as an untitled window.
  examples->actions()[0]->trigger();
  ASSERT_EQ(application->windows().size(), 2u);
  EXPECT_EQ(application->windows()[1]->displayName(), "Two Squares");

  QMenu* tools = menuTitled(bar->actions(), "Tools");
  ASSERT_NE(tools, nullptr);
  EXPECT_GT(tools->actions().size(), 20);

  // The Select and Layer menus are filled from the window's tiling as they
  // open; the Edit menu's paste waits for something copied.
  MultiShape::resetCurrent();
  QMenuBar* exampleBar = application->windows()[1]->window()->menuBar();
  QMenu* select = menuTitled(exampleBar->actions(), "Select");
  QMenu* layer = menuTitled(exampleBar->actions(), "Layer");
  ASSERT_NE(select, nullptr);
  ASSERT_NE(layer, nullptr);
  emit select->aboutToShow();
  ASSERT_EQ(select->actions().size(), 1);
  ASSERT_NE(select->actions()[0]->menu(), nullptr);
  EXPECT_EQ(select->actions()[0]->menu()->actions()[0]->text(), "All");
  emit select->aboutToShow();
  EXPECT_EQ(select->actions().size(), 1);
  std::set<int> layers;
  for (const auto& tile : application->windows()[1]->editor()->graph().shapes())
    layers.insert(tile->layerIndex);
  emit layer->aboutToShow();
  ASSERT_EQ(layer->actions().size(), qsizetype(layers.size()));
  EXPECT_EQ(layer->actions()[0]->text(), QString::number(*layers.begin()));
  QMenu* edit = menuTitled(exampleBar->actions(), "Edit");
  ASSERT_NE(edit, nullptr);
  emit edit->aboutToShow();
  EXPECT_FALSE(actionTitled(edit->actions(), "Paste")->isEnabled());
  EXPECT_TRUE(actionTitled(edit->actions(), "Group")->isEnabled());
}

}  // namespace
}  // namespace ornival

namespace ornival {
namespace {

TEST_F(Lifecycle, WheelAndKeysReachTheEditor) {
  WindowController* window = application->openExample("Two Squares", folder / "examples/TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  View* view = window->view();
  const auto& editor = window->editor();
  ASSERT_EQ(editor->scale(), 20.0);
  QWheelEvent wheel(QPointF(100, 100), view->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, 120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view, &wheel);
  EXPECT_EQ(editor->scale(), 21.0);
  // Each plain wheel step ends its gesture: the drawing is not left a bitmap.
  EXPECT_FALSE(editor->scrollWheelIsRunning);
  EXPECT_FALSE(editor->layer->shouldRasterize());

  QTest::keyClick(view, Qt::Key_Space);
  EXPECT_EQ(editor->scale(), 20.0);
  EXPECT_EQ(window->undoManager()->groupingLevel(), 0);
  EXPECT_FALSE(window->isEdited());

  // In the relief Tab hands the mouse to the camera and takes it back,
  // rather than stepping to the next control.
  window->performEvent([&] { window->document()->setDisplayMode(3); });
  QTest::keyClick(view, Qt::Key_Tab);
  EXPECT_TRUE(editor->cameraControl.isOn());
  QTest::keyClick(view, Qt::Key_Tab);
  EXPECT_FALSE(editor->cameraControl.isOn());
  window->performEvent([&] { window->document()->setDisplayMode(2); });
}

// The right button picks the colour: the window shows its colour popover, and
// the press starts no left-button gesture.
TEST_F(Lifecycle, ARightClickOnTheViewShowsTheColourPopover) {
  WindowController* window = application->openExample("Two Squares", folder / "examples/TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  window->window()->show();
  View* view = window->view();
  QTest::mousePress(view, Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_FALSE(view->isInGesture());
  EXPECT_TRUE(testing::waitFor([&] { return window->colorPopover()->isVisible(); }));
  QTest::mouseRelease(view, Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_EQ(window->undoManager()->groupingLevel(), 0);
}

// The single-key commands reach the editor each as one undoable event; keys
// with nothing to do go on to the window.
TEST_F(Lifecycle, RecolouringAndArrowKeysReachTheEditor) {
  WindowController* window = application->openExample("Two Squares", folder / "examples/TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  View* view = window->view();
  const auto& editor = window->editor();
  const auto& tiles = editor->graph().shapes();
  ASSERT_EQ(tiles.size(), 2u);
  const std::size_t steps = window->undoManager()->undoCount();

  EXPECT_TRUE(window->keyDown({"b", {}}));
  EXPECT_EQ(tiles[0]->shapeColor(), Color::white());
  EXPECT_EQ(tiles[1]->shapeColor(), Color::black());
  EXPECT_EQ(window->blackOrWhite, 1);
  QTest::keyClick(view, Qt::Key_B);
  EXPECT_EQ(tiles[0]->shapeColor(), Color::black());
  EXPECT_EQ(tiles[1]->shapeColor(), Color::white());
  EXPECT_EQ(window->blackOrWhite, 0);
  EXPECT_EQ(window->undoManager()->undoCount(), steps + 2);
  EXPECT_TRUE(window->keyDown({"w", {}}));
  EXPECT_EQ(tiles[0]->shapeColor(), Color::white());
  EXPECT_EQ(window->undoManager()->groupingLevel(), 0);

  // Nothing hovered: Return and the arrows are not the editor's.
  editor->selectedShape = {};
  EXPECT_FALSE(window->keyDown({"\r", {}}));
  EXPECT_FALSE(window->keyDown({"\xEF\x9C\x80", {}}));
  EXPECT_FALSE(window->keyDown({"\xEF\x9C\x82", {}}));
  EXPECT_FALSE(window->keyDown({"B", {}}));
}

// What is dropped on the window reaches the editor as one undoable event: a
// picture becomes the underlay, a colour paints the tile under it.
TEST_F(Lifecycle, DroppedPicturesAndColoursReachTheEditor) {
  WindowController* window = application->openExample("Two Squares", folder / "examples/TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  View* view = window->view();
  const auto& editor = window->editor();

  QImage picture(4, 2, QImage::Format_RGBA8888);
  picture.fill(Qt::green);
  const auto file = folder / "underlay.png";
  ASSERT_TRUE(picture.save(QString::fromStdString(file.string())));
  ASSERT_TRUE(view->imageDropped);
  view->imageDropped(file.string());
  ASSERT_NE(editor->imageLayer, nullptr);
  ASSERT_NE(editor->imageLayer->contents(), nullptr);
  EXPECT_EQ(editor->imageLayer->contents()->width(), 4);
  EXPECT_TRUE(window->router().validate(Action{"removeImage"}));

  // The first tile's centre, in the window's points.
  const auto tile = editor->graph().shapes()[0];
  const Vec2 centre = editor->shapesLayer->convertTo(tile->center(), *view->rootLayer());
  const Color blue{0, 0, 1, 1};
  ASSERT_TRUE(view->colorDropped);
  view->colorDropped(blue, centre);
  EXPECT_EQ(tile->shapeColor(), blue);
  EXPECT_EQ(window->undoManager()->undoActionName(), "Change Shape Color");
  window->undoManager()->undo();
  EXPECT_NE(tile->shapeColor(), blue);
  EXPECT_EQ(window->undoManager()->groupingLevel(), 0);
}

// Where no OpenGL context can be made, the relief's place says so instead of
// staying black, and the flat view comes back as it was.
TEST_F(Lifecycle, WithoutOpenGlTheReliefSaysWhy) {
  if (QtOffscreenRenderer::available())
    GTEST_SKIP() << "this platform has OpenGL";
  WindowController* window = application->openFile(folder / "examples" / "TwoSquares.ornival");
  ASSERT_NE(window, nullptr);
  View& view = *window->view();
  window->performEvent([&] { window->document()->setDisplayMode(3); });
  EXPECT_TRUE(view.isRelief());
  EXPECT_EQ(view.sceneView(), nullptr);
  ASSERT_NE(view.reliefMessage(), nullptr);
  EXPECT_FALSE(view.reliefMessage()->isHidden());
  EXPECT_TRUE(qobject_cast<QLabel*>(view.reliefMessage())->text().contains("OpenGL"));
  window->performEvent([&] { window->document()->setDisplayMode(2); });
  EXPECT_TRUE(view.reliefMessage()->isHidden());
}

}  // namespace
}  // namespace ornival
