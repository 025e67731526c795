#include "app/HelpWindow.h"
#include "editor/qt/EventTranslation.h"
#include "document/OrnivalModel.h"
#include "figures/catalogue/Shapes.h"
#include "model/Edge.h"
#include "model/Shape.h"
#include "support/QtApplication.h"

#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace ornival {
namespace {

TEST(HelpWindow, ShowsItsThreeTextsReadOnceAndComesBackToTheFront) {
  testing::qtApplication();
  HelpWindow& window = HelpWindow::showHelp();
  ASSERT_EQ(window.tabs()->count(), 3);
  EXPECT_EQ(window.tabs()->tabText(0), "Help");
  EXPECT_EQ(window.tabs()->tabText(1), "File Format");
  EXPECT_EQ(window.tabs()->tabText(2), "Privacy");
  for (int k = 0; k < 3; ++k)
    EXPECT_GT(window.text(k)->document()->toPlainText().size(), 100) << k;
  window.hide();
  EXPECT_EQ(&HelpWindow::showHelp(), &window);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(HelpWindow::loads(), 1);
  window.close();
}

// The help tells what a user finds nowhere else in the window: every key,
// the drag distances, and how each of the editor's modifiers is held.
TEST(HelpWindow, TheHelpCoversTheKeysTheDragDistancesAndTheHeldKeys) {
  testing::qtApplication();
  QTextDocument document;
  document.setHtml(HelpWindow::helpText());
  const QString text = document.toPlainText().simplified();
  const char* const needed[] = {
      "r colours", "1 by", "t by", "b colours", "w makes", "e selects", "i inverts", "m turns", "M adds",
      "Tab hands", "Return lays", "Up and Down", "Left and Right", "Space switches", "Escape stops",
      "28 units", "57 units", "85 units", "Select All", "Group (Ctrl+G)", "Paste (Ctrl+V)", "crossings",
      "Alternate", "Export Bitmap", "JPEG 2000", "Double-click beside the tiles", "Print", "PDF", "Format",
  };
  for (const char* phrase : needed)
    EXPECT_TRUE(text.contains(QString::fromUtf8(phrase))) << phrase;
  for (const ModifierBinding& binding : modifierBindings()) {
    EXPECT_TRUE(text.contains(QString::fromUtf8(binding.heldAs))) << binding.heldAs;
    EXPECT_TRUE(text.contains(QString::fromUtf8(binding.gestures).simplified())) << binding.gestures;
  }
}

TEST(HelpWindow, TheFileFormatsExampleReadsAsADocument) {
  testing::qtApplication();
  const QString html = HelpWindow::resourceText("FileFormat");
  const auto match = QRegularExpression(R"(<pre id="example">(.*?)</pre>)",
                                        QRegularExpression::DotMatchesEverythingOption)
                         .match(html);
  ASSERT_TRUE(match.hasMatch());
  const std::string example = match.captured(1).toStdString();
  const auto model = OrnivalModel::create();
  ASSERT_EQ(model->read(example), TextKind::document);
  ASSERT_EQ(model->shapes.size(), 2u);
  EXPECT_EQ(model->shapes[0]->figure()->tool(), *Shapes::init(7));
  EXPECT_EQ(model->shapes[1]->shapeColor(), (Color{double(0xF4) / 255, double(0xEB) / 255, double(0xDC) / 255, 1}));
  // The second square lies against the first's side 1.
  EXPECT_EQ(model->shapes[0]->edges()[1]->join.lock(), model->shapes[1]->edges()[3]);
  EXPECT_EQ(model->settings.backgroundColor, (Color{double(0x3A) / 255, double(0x5A) / 255, double(0x8C) / 255, 1}));
}

}  // namespace
}  // namespace ornival
