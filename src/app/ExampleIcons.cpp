#include "app/ExampleIcons.h"

#include "document/OrnivalModel.h"
#include "model/Operations.h"
#include "platform/MainQueue.h"
#include "platform/OperationQueue.h"
#include "quicklook/ThumbnailProvider.h"

#include <QAction>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QPointer>

#include <algorithm>
#include <cmath>

namespace ornival {

namespace {

// The thumbnails' size in points, drawn at the screen's density.
constexpr int iconPoints = 48;

}  // namespace

ExampleIcons::~ExampleIcons() {
  std::unique_lock lock(mutex_);
  stopping_ = true;
  finished_.wait(lock, [this] { return running_ == 0; });
}

void ExampleIcons::request(QAction& action, const std::string& file) {
  {
    std::lock_guard lock(mutex_);
    ++running_;
  }
  QPointer<QAction> target(&action);
  // Asked for on the main thread, which alone may ask the screens.
  const double ratio = std::max(1.0, qApp ? qApp->devicePixelRatio() : 1.0);
  const int iconSize = int(std::ceil(iconPoints * ratio));
  Operations::exportQueue()->addOperation([this, target, file, ratio, iconSize]() mutable {
    bool stopping = false;
    {
      std::lock_guard lock(mutex_);
      stopping = stopping_;
    }
    std::optional<QImage> image;
    std::shared_ptr<OrnivalModel> model;
    if (!stopping) {
      DocumentFileError error = DocumentFileError::none;
      model = readDocumentFile(file, error);
      if (model)
        image = model->is3D() ? ThumbnailProvider::drawRelief(*model, iconSize)
                              : std::optional(ThumbnailProvider::drawFlat(*model, iconSize));
      if (image && drawnOn)
        drawnOn(std::this_thread::get_id());
    }
    std::lock_guard lock(mutex_);
    // The model goes back with the picture: its tiles are dropped on the
    // main thread, like everything that may own layers or scene nodes.
    if (model && !stopping_)
      mainQueue()->post([target = std::move(target), model = std::move(model), image = std::move(image), ratio] {
        if (!target || !image)
          return;
        QPixmap pixmap = QPixmap::fromImage(*image);
        pixmap.setDevicePixelRatio(ratio);
        target->setIcon(QIcon(pixmap));
      });
    // The item's link is let go here, before the application may go on and
    // drop the item: never later, when the operation itself is dropped.
    target.clear();
    --running_;
    finished_.notify_all();
  });
}

}  // namespace ornival
