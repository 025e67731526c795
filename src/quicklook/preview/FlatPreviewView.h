#pragma once

#include "quicklook/PreviewViewController.h"

#include <QWidget>

namespace ornival {

// The flat document fitted into the widget, redrawn at every size.
class FlatPreviewView final : public QWidget, public PreviewContentView {
public:
  explicit FlatPreviewView(QWidget* parent = nullptr);

  void setOrnival(std::shared_ptr<OrnivalModel> model) override;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  std::shared_ptr<OrnivalModel> model_;
};

}  // namespace ornival
