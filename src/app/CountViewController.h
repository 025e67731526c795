#pragma once

#include <QWidget>

#include <string>
#include <vector>

class QFormLayout;
class QLabel;

namespace ornival {

class Document;

// The content of the count popover: how many tiles the document's tiling
// has, how many of them are selected, its sides, corners and outline
// segments. It only shows them; the window asks it to show them again when
// it opens and whenever the tiles change while it is open, since the counts
// change without a notice of their own. The selected count is hidden while
// nothing is selected.
class CountViewController final : public QWidget {
  Q_OBJECT

public:
  explicit CountViewController(QWidget* parent = nullptr);

  // Without a document every count is blank and the selected one hidden.
  void showCounts(const Document* document);

  // The shown text of a count by its document name ("shapeCount"), and
  // whether its row is shown; for tests.
  QString countText(const std::string& key) const;
  bool isCountShown(const std::string& key) const;

private:
  struct Row {
    std::string key;
    QLabel* value;
  };
  QFormLayout* form_;
  std::vector<Row> rows_;
};

}  // namespace ornival
