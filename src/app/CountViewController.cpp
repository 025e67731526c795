#include "app/CountViewController.h"

#include "document/Document.h"

#include <QFormLayout>
#include <QLabel>

#include <algorithm>
#include <variant>

namespace ornival {

namespace {

constexpr const char* selectedKey = "selectedShapeCount";

}  // namespace

CountViewController::CountViewController(QWidget* parent) : QWidget(parent), form_(new QFormLayout(this)) {
  form_->setContentsMargins(0, 0, 0, 0);
  const std::pair<QString, const char*> rows[] = {{tr("Tiles"), "shapeCount"},
                                                  {tr("Selected"), selectedKey},
                                                  {tr("Sides"), "edgeCount"},
                                                  {tr("Corners"), "vertexCount"},
                                                  {tr("Perimeter"), "perimeter"}};
  for (const auto& [label, key] : rows) {
    auto* value = new QLabel(this);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(64);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form_->addRow(label, value);
    rows_.push_back({key, value});
  }
  showCounts(nullptr);
}

void CountViewController::showCounts(const Document* document) {
  for (const Row& row : rows_) {
    const auto value = document ? document->value(row.key) : std::nullopt;
    const int* count = value ? std::get_if<int>(&*value) : nullptr;
    row.value->setText(count ? QString::number(*count) : QString());
  }
  const bool hideSelected = !document || document->hideSelectedShapeCount();
  const auto selected =
      std::find_if(rows_.begin(), rows_.end(), [](const Row& row) { return row.key == selectedKey; });
  form_->setRowVisible(selected->value, !hideSelected);
}

QString CountViewController::countText(const std::string& key) const {
  for (const Row& row : rows_)
    if (row.key == key)
      return row.value->text();
  return {};
}

bool CountViewController::isCountShown(const std::string& key) const {
  for (const Row& row : rows_)
    if (row.key == key)
      return !row.value->isHidden();
  return false;
}

}  // namespace ornival
