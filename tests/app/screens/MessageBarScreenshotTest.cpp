// The window's message bar on a real display (run under xvfb-run): a file
// that did not read whole opens with its notice under the drawing, in a
// light and a dark palette; the pictures are kept beside the test for a
// person to look at.

#include "app/Application.h"
#include "app/WindowController.h"
#include "platform/MainQueue.h"
#include "platform/qt/QtMainQueue.h"
#include "support/QtApplication.h"
#include "support/TemporaryFolder.h"
#include "support/Waiting.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace ornival {
namespace {

TEST(MessageBarScreenshot, ANoticeReadsWholeUnderTheDrawingInLightAndDark) {
  testing::qtApplication();
  QCoreApplication::setOrganizationName("OrnivalTests");
  QCoreApplication::setApplicationName(QStringLiteral("OrnivalScreenshot-%1").arg(::getpid()));
  setMainQueue(std::make_shared<QtMainQueue>(qApp));
  const testing::TemporaryFolder folder("ornival-message-bar");
  const auto file = folder / "Column.ornival";
  std::ofstream(file) << "Ornival 0.2\n\nshapes:\n7,1\n0,2,7,0\n1,2,7,0\n2,2,x\n3,2,7,0\n4,2,7,0\n\n"
                         "backgroundColor: 3A5A8CFF\n";
  const QPalette light = QApplication::palette();
  QPalette dark = light;
  dark.setColor(QPalette::Window, QColor(0x2B, 0x2B, 0x2B));
  dark.setColor(QPalette::WindowText, QColor(0xE8, 0xE8, 0xE8));
  dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
  dark.setColor(QPalette::Text, QColor(0xE8, 0xE8, 0xE8));
  dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
  dark.setColor(QPalette::ButtonText, QColor(0xE8, 0xE8, 0xE8));
  for (const auto& [name, palette] : {std::pair{"light", light}, std::pair{"dark", dark}}) {
    QApplication::setPalette(palette);
    Application application({ORNIVAL_EXAMPLES, folder / "autosave", 60000});
    WindowController* window = application.openFile(file);
    ASSERT_NE(window, nullptr);
    window->window()->resize(900, 600);
    ASSERT_TRUE(testing::waitForExposed(window->window()));
    auto* bar = window->window()->findChild<QToolBar*>(QStringLiteral("MessageBar"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    const auto* label = bar->findChild<QLabel*>();
    ASSERT_NE(label, nullptr);
    // The whole notice is on the window: wrapped, not cut off at its edge,
    // once the wrapped text's second layout has run.
    const QLabel* text = nullptr;
    for (const QLabel* candidate : bar->findChildren<QLabel*>())
      if (!candidate->text().isEmpty())
        text = candidate;
    ASSERT_NE(text, nullptr);
    testing::waitFor([&] {
      return text->mapTo(window->window(), QPoint(text->width(), 0)).x() <= window->window()->width() &&
             text->height() >= text->heightForWidth(text->width());
    });
    EXPECT_LE(text->mapTo(window->window(), QPoint(text->width(), 0)).x(), window->window()->width());
    EXPECT_GE(text->height(), text->heightForWidth(text->width()));
    const QString picture = QStringLiteral(ORNIVAL_SCREENSHOTS "/message-bar-%1.png").arg(name);
    EXPECT_TRUE(window->window()->grab().save(picture)) << picture.toStdString();
    window->window()->close();
  }
  QApplication::setPalette(light);
}

}  // namespace
}  // namespace ornival
