// ornival-preview FILE: a document shown read-only, flat or in relief, in a
// window of its own: what the file manager offers under "Open With".

#include "document/OrnivalModel.h"
#include "platform/qt/Translations.h"
#include "quicklook/PreviewViewController.h"
#include "quicklook/preview/FlatPreviewView.h"
#include "quicklook/preview/PreviewWindow.h"
#include "quicklook/preview/ReliefPreviewView.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSurfaceFormat>

#include <cstdio>

int main(int argc, char** argv) {
  // The scene renderer speaks OpenGL 3.3 core.
  QSurfaceFormat format;
  format.setVersion(3, 3);
  format.setProfile(QSurfaceFormat::CoreProfile);
  format.setDepthBufferSize(24);
  format.setSamples(4);
  QSurfaceFormat::setDefaultFormat(format);
  QApplication application(argc, argv);
  QApplication::setApplicationName("Ornival Preview");
  QApplication::setDesktopFileName("org.ornival.Ornival.Preview");
  ornival::installTranslations(QLocale().uiLanguages());

  const QStringList arguments = QApplication::arguments().mid(1);
  if (arguments.size() != 1) {
    std::fputs(qPrintable(QCoreApplication::translate("Preview", "usage: ornival-preview FILE") + u'\n'), stderr);
    return 2;
  }
  const QString path = arguments.front();

  ornival::PreviewWindow window;
  auto flat = std::make_shared<ornival::FlatPreviewView>();
  auto relief = std::make_shared<ornival::ReliefPreviewView>();
  // The window shows the views and the controller holds them; they go
  // before the window does, which lets go of a child deleted before it.
  window.addWidget(flat.get());
  window.addWidget(relief.get());
  ornival::PreviewViewController controller;
  controller.view = flat;
  controller.sceneView = relief;
  controller.loadPreview(path.toStdString(), nullptr);
  if (!controller.ornival) {
    QMessageBox::critical(
        nullptr, QCoreApplication::translate("Preview", "Ornival Preview"),
        QCoreApplication::translate("Preview",
                                    "“%1” cannot be shown: it cannot be read or is not an Ornival document.")
            .arg(QFileInfo(path).fileName()));
    return 1;
  }
  window.setCurrentWidget(controller.ornival->is3D() ? static_cast<QWidget*>(relief.get()) : flat.get());
  window.setWindowTitle(QFileInfo(path).fileName());
  window.resize(800, 600);
  window.show();
  return QApplication::exec();
}
