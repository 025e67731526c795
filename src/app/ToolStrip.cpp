#include "app/ToolStrip.h"

#include "app/ColorWell.h"
#include "app/ToolbarDelegate.h"

#include <QToolButton>
#include "figures/Figure.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <QTimer>

namespace ornival {

class ToolStrip::Model final : public QAbstractListModel {
public:
  explicit Model(ToolStrip& strip) : QAbstractListModel(&strip), strip_(strip) {}

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : int(Shapes::allButLast().size());
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid() || index.row() >= rowCount({}))
      return {};
    const Shapes kind = Shapes::allButLast()[std::size_t(index.row())];
    const Figure& figure = *Shapes::figures()[std::size_t(kind.rawValue() - 1)];
    switch (role) {
      case Qt::DecorationRole: {
        // Pictures are drawn as the strip scrolls to them, once each.
        auto found = icons_.find(kind.rawValue());
        if (found == icons_.end())
          found = icons_.emplace(kind.rawValue(), ToolbarDelegate::toolIcon(figure)).first;
        return found->second;
      }
      case Qt::ToolTipRole:
      case Qt::AccessibleTextRole: return QString::fromStdString(figure.name());
      case Qt::BackgroundRole: return strip_.itemColor(kind);
      case Qt::UserRole: return kind.rawValue();
      default: return {};
    }
  }

  void refresh() {
    if (rowCount({}) > 0)
      emit dataChanged(index(0), index(rowCount({}) - 1), {Qt::BackgroundRole});
  }

private:
  ToolStrip& strip_;
  mutable std::unordered_map<int, QIcon> icons_;
};

namespace {

// Rounded cells in their status colour, the figure on top.
class ItemDelegate final : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(index.data(Qt::BackgroundRole).value<QColor>());
    const QRect cell = option.rect.adjusted(2, 2, -2, -2);
    painter->drawRoundedRect(cell, 6, 6);
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    icon.paint(painter, cell.adjusted(3, 3, -3, -3));
    painter->restore();
  }
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {40, 34}; }
};

}  // namespace

ToolStrip::ToolStrip(QWidget* parent) : QListView(parent), model_(new Model(*this)) {
  setModel(model_);
  setItemDelegate(new ItemDelegate(this));
  setFlow(QListView::LeftToRight);
  setWrapping(false);
  setUniformItemSizes(true);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setFixedHeight(34 + 2 * frameWidth() + 14);
  connect(this, &QListView::clicked, this, [this](const QModelIndex& index) { touch(index.row()); });
}

const std::vector<Shapes>& ToolStrip::tools() const { return Shapes::allButLast(); }

void ToolStrip::touch(int row) {
  if (row < 0 || std::size_t(row) >= tools().size())
    return;
  const Shapes kind = tools()[std::size_t(row)];
  // After the strip's own handling of the event, so that the editor's answer
  // (the new selection) is what stays.
  QTimer::singleShot(0, this, [this, kind] {
    if (selectTool)
      selectTool(kind);
    clearSelection();
    setCurrentIndex({});
  });
}

QColor ToolStrip::itemColor(Shapes kind) const {
  if (isOn(kind))
    return palette().color(QPalette::Highlight);
  switch (status ? status(kind) : ItemStatus::unused) {
    case ItemStatus::used: return QColor::fromRgbF(0.00095471443f, 0.35810885f, 0.32627958f);
    case ItemStatus::recent: return QColor::fromRgbF(0.14073247f, 0.27874297f, 0.51449311f);
    case ItemStatus::removed: return QColor::fromRgbF(0.62262022f, 0.10576034f, 0.24947944f);
    case ItemStatus::unused: break;
  }
  return palette().color(QPalette::Base);
}

void ToolStrip::reload(const std::vector<Shapes>& selectedTools) {
  on_.clear();
  for (const Shapes kind : selectedTools)
    on_.insert(kind.rawValue());
  model_->refresh();
  viewport()->update();
  if (!selectedTools.empty() && selectedTools.front() != Shapes::multi)
    scrollTo(model_->index(selectedTools.front().rawValue() - 1), QAbstractItemView::PositionAtCenter);
}

}  // namespace ornival
