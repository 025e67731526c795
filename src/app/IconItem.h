#pragma once

#include "editor/ItemStatus.h"
#include "figures/catalogue/CatalogueCategories.h"
#include "platform/Color.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPalette>
#include <QStyledItemDelegate>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace ornival {

class Figure;

// The fill of a catalogue item in the normal state: the accent colour when
// selected, else a pale colour that tells the figure's use.
Color statusColors(ItemStatus status, bool selected);
// The opaque fill an item is painted with on the browser's ground (the
// palette's base): the colours above on a light ground, the same hues deep on
// a dark one, the palette's highlight when selected.
QColor itemFill(ItemStatus status, bool selected, const QPalette& palette);

// The colours an item or a section header is painted in, on the browser's
// palette: its ground, the name or title, the counts, and the figure.
struct ItemColors {
  QColor ground;
  QColor text;
  QColor secondary;
  QColor figure;
};
ItemColors itemColors(ItemStatus status, bool selected, const QPalette& palette);
ItemColors headerColors(const QPalette& palette);

// Names as items show them, on one line of at most width pixels: a name that
// fits stands whole; a longer one keeps its last words, where the names of a
// family differ, and as much of its start as fits, with an ellipsis between.
// Where two names would still read alike, the later one takes another cut,
// so that different names never show one label. One label per name, in order.
std::vector<QString> distinctLabels(const std::vector<QString>& names, const QFontMetricsF& metrics, double width);

// The label of a catalogue figure in the given font and width; the labels of
// the whole catalogue are made once per font and width.
QString itemLabel(int rawValue, const QFont& font, double width);

// The text of a corner in the enlarged figure: the exact fraction of a turn,
// a reflex corner as its negative ("⁻¹⁄₄" for three quarters of a turn), or
// with asDegrees its degrees with one decimal, likewise. vertex counts from 0.
std::string cornerLabel(const Figure& figure, int vertex, bool asDegrees);

// Data roles of the browser's rows.
namespace browserRoles {
inline constexpr int isHeader = Qt::UserRole + 1;
inline constexpr int rawValue = Qt::UserRole + 2;   // items: the figure number
inline constexpr int count = Qt::UserRole + 3;      // items: tiles of the figure; headers: tools in the section
inline constexpr int status = Qt::UserRole + 4;     // items: ItemStatus as int
inline constexpr int symbol = Qt::UserRole + 5;     // headers: the secondary text
}  // namespace browserRoles

// Paints the browser's rows without a widget per row: an item as a rounded
// box in its status colour with the figure's icon, its name, its tile count
// and, for a figure of period 1, its corner count; a section header as a
// full-width row with the title, the symbol and the number of tools.
class IconItemDelegate final : public QStyledItemDelegate {
public:
  static constexpr int itemWidth = 104;
  static constexpr int itemHeight = 112;
  static constexpr int headerHeight = 30;

  explicit IconItemDelegate(QObject* parent = nullptr) : QStyledItemDelegate(parent) {}

  // The font and the line width of an item's name.
  static QFont nameFont(const QFont& font);
  static double nameWidth(const QRect& item);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// The enlarged figure over the whole browser while the right button is held:
// the corners of two periods marked with their turn fractions and degrees,
// the sides of one period with their lengths. It grows from the icon and
// shrinks back to it.
class IconItemDetail final : public QWidget {
public:
  explicit IconItemDetail(QWidget* browser);

  // Grows from the icon's rectangle, in browser coordinates, to the whole
  // browser.
  void showDetail(std::shared_ptr<const Figure> figure, const QRect& iconRect);
  void hideDetail();
  const std::shared_ptr<const Figure>& figure() const { return figure_; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  std::shared_ptr<const Figure> figure_;
  QRect iconRect_;
};

}  // namespace ornival
