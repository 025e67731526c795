#include "quicklook/preview/PreviewWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>

namespace ornival {

PreviewWindow::PreviewWindow(QWidget* parent) : QStackedWidget(parent) {
  auto* close = new QAction(QCoreApplication::translate("PreviewWindow", "Close"), this);
  close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(QKeySequence::Close)});
  close->setShortcutContext(Qt::WindowShortcut);
  connect(close, &QAction::triggered, this, &QWidget::close);
  addAction(close);
}

}  // namespace ornival
