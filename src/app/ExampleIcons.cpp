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

void requestExampleIcon(QAction& action, const std::string& file) {
  QPointer<QAction> target(&action);
  Operations::exportQueue()->addOperation([target, file]() mutable {
    DocumentFileError error = DocumentFileError::none;
    std::shared_ptr<OrnivalModel> model = readDocumentFile(file, error);
    if (!model)
      return;
    std::optional<QImage> image;
    if (!model->is3D())
      image = ThumbnailProvider::drawFlat(*model, iconSize);
    // The model goes back with the picture: its tiles are dropped on the
    // main thread, like everything that may own layers or scene nodes.
    mainQueue()->post([target = std::move(target), model = std::move(model), image = std::move(image)]() mutable {
      if (!image)
        image = ThumbnailProvider::drawRelief(*model, iconSize);
      if (target && image)
        target->setIcon(QIcon(QPixmap::fromImage(*image)));
    });
  });
}

}  // namespace ornival
