#include "quicklook/preview/FlatPreviewView.h"

#include "platform/qt/QPainterAdapter.h"
#include "quicklook/OrnivalView.h"

#include <QPainter>

namespace ornival {

FlatPreviewView::FlatPreviewView(QWidget* parent) : QWidget(parent) {}

void FlatPreviewView::setOrnival(std::shared_ptr<OrnivalModel> model) {
  model_ = std::move(model);
  update();
}

void FlatPreviewView::paintEvent(QPaintEvent*) {
  if (!model_)
    return;
  QPainter qpainter(this);
  qpainter.setRenderHint(QPainter::Antialiasing);
  QPainterAdapter painter(qpainter, double(height()));
  OrnivalView view({{0.0, 0.0}, {double(width()), double(height())}});
  view.ornival = model_;
  view.drawRect(painter, view.bounds());
}

}  // namespace ornival
