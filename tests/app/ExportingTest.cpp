// The File menu's exports as the window sends them: each item's tag picks
// its export, through the window's actions to the exporter and back to the
// window.

#include "app/Popover.h"
#include "app/WindowController.h"
#include "editor/ViewController.h"
#include "model/Operations.h"
#include "platform/OperationQueue.h"
#include "platform/ShapeLayer.h"
#include "support/DocumentWindows.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include <fstream>
#include <set>
#include <sstream>

namespace ornival {
namespace {

using Exporting = testing::DocumentWindowTest;

const std::string twoSquares =
    "Ornival 0.2\n\ncolors:\nFF0000FF\n\nshapes:\n7,0\n0,1,7,3,0\n\nborderWidth: 2.0,0.0,0.0\n";

// The File menu's export items with their titles, submenus included.
std::vector<QAction*> exportItems(QMenu& menu) {
  std::vector<QAction*> items;
  for (QAction* action : menu.actions()) {
    if (action->menu())
      for (QAction* inner : exportItems(*action->menu()))
        items.push_back(inner);
    else if (action->data().toString() == "export")
      items.push_back(action);
  }
  return items;
}

std::set<std::string> filesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.is_regular_file())
      names.insert(entry.path().filename().string());
  return names;
}

std::string head(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string text(16, '\0');
  in.read(text.data(), std::streamsize(text.size()));
  text.resize(std::size_t(in.gcount()));
  return text;
}

// Export SVG writes the drawing beside the document; Export Bitmap… opens
// the export panel with the page frame and writes nothing until its button;
// each 3D scene item writes a scene in its own format. Nothing else is
// written.
TEST_F(Exporting, TagPicksTheExport) {
  WindowController& window = open(twoSquares);
  window.window()->show();
  QMenu* file = nullptr;
  for (QAction* menu : window.window()->menuBar()->actions())
    if (menu->text() == "File")
      file = menu->menu();
  ASSERT_NE(file, nullptr);
  emit file->aboutToShow();
  const std::vector<QAction*> items = exportItems(*file);
  ASSERT_GE(items.size(), 3u);

  std::set<std::string> expected = filesIn(folder);
  bool bitmap = false, svg = false;
  int scenes = 0;
  for (QAction* item : items) {
    const std::string title = item->text().toStdString();
    SCOPED_TRACE(title);
    ASSERT_TRUE(item->isEnabled()) << "the document has its file";
    item->trigger();
    // Written on the export queue, told through the main queue.
    Operations::exportQueue()->waitUntilAllOperationsAreFinished();
    mainQueue->drain();
    if (title == "Export Bitmap…") {
      bitmap = true;
      EXPECT_TRUE(window.exportPopover()->isVisible());
      EXPECT_FALSE(window.editor()->boundsLayer->isHidden());
      PopoverHost::close(*window.exportPopover());
    } else if (title == "Export SVG") {
      svg = true;
      expected.insert("document.svg");
      EXPECT_EQ(head(folder / "document.svg").substr(0, 5), "<?xml");
    } else {
      // "COLLADA (.dae)" and the like: a scene in the format it names.
      const std::size_t dot = title.rfind("(.");
      ASSERT_NE(dot, std::string::npos);
      const std::string extension = title.substr(dot + 2, title.size() - dot - 3);
      expected.insert("document." + extension);
      if (extension == "obj")
        expected.insert("document.mtl");  // its materials
      EXPECT_GT(std::filesystem::file_size(folder / ("document." + extension)), 0u);
      ++scenes;
    }
    EXPECT_EQ(filesIn(folder), expected);
  }
  EXPECT_TRUE(bitmap && svg);
  EXPECT_GE(scenes, 1);
}

}  // namespace
}  // namespace ornival
