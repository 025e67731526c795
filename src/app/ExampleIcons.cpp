#include "app/ExampleIcons.h"

#include "document/OrnivalModel.h"
#include "model/Operations.h"
#include "platform/MainQueue.h"
#include "platform/OperationQueue.h"
#include "quicklook/ThumbnailProvider.h"

#include <QAction>
#include <QIcon>
#include <QPixmap>
#include <QPointer>

namespace ornival {

namespace {

// Drawn large enough for a menu on a screen of twice the usual density.
constexpr int iconSize = 64;

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
  Operations::exportQueue()->addOperation([this, target, file]() mutable {
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
      mainQueue()->post([target = std::move(target), model = std::move(model), image = std::move(image)] {
        if (target && image)
          target->setIcon(QIcon(QPixmap::fromImage(*image)));
      });
    // The item's link is let go here, before the application may go on and
    // drop the item: never later, when the operation itself is dropped.
    target.clear();
    --running_;
    finished_.notify_all();
  });
}

}  // namespace ornival
