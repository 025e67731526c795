#pragma once

#include "editor/ItemStatus.h"
#include "figures/catalogue/Shapes.h"

#include <QAbstractListModel>
#include <QListView>

#include <functional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace ornival {

// One row of every figure but the group tile, marked by selection and use:
// touching a figure asks the editor to select it, and the strip keeps no
// highlight of its own. It scrolls to the selected tool when the selection
// changes.
class ToolStrip : public QListView {
  Q_OBJECT

public:
  explicit ToolStrip(QWidget* parent = nullptr);

  // Position i shows figure i + 1.
  const std::vector<Shapes>& tools() const;

  // Asked for the figure touched, after the strip's own event handling.
  std::function<void(Shapes kind)> selectTool;
  // How the editor uses a figure now.
  std::function<ItemStatus(Shapes kind)> status;

  // Shows the selection and the statuses again, and scrolls to the first
  // selected tool unless it is the group tile.
  void reload(const std::vector<Shapes>& selectedTools);
  bool isOn(Shapes kind) const { return on_.contains(kind.rawValue()); }

  // The background of an item: the highlight when on, else by status.
  QColor itemColor(Shapes kind) const;

  // Handles a touch of the item at a row, as a click does.
  void touch(int row);

private:
  class Model;
  Model* model_;
  std::unordered_set<int> on_;
};

}  // namespace ornival
