#include "app/IconItem.h"

#include "app/PaletteColors.h"
#include "editor/ViewController.h"
#include "figures/Figure.h"
#include "figures/FractionText.h"
#include "platform/AffineTransform.h"
#include "platform/DecimalFormat.h"
#include "platform/qt/QPainterAdapter.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QPropertyAnimation>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace ornival {

namespace {

constexpr Color unusedFill{1.0, 1.0, 1.0, 0.8};
constexpr Color usedFill{0.9238822, 1.0, 0.9238822, 0.8};
constexpr Color recentFill{0.9254902, 0.9254902, 1.0, 0.8};
constexpr Color removedFill{1.0, 0.9333333, 0.9333333, 0.8};
constexpr Color iconFill{0.35, 0.35, 0.35, 1.0};

QColor qt(const Color& color) { return toQColor(color); }
Color fromQt(const QColor& color) {
  const QColor rgb = color.toRgb();
  return {rgb.redF(), rgb.greenF(), rgb.blueF(), rgb.alphaF()};
}
QString text(const std::string& s) { return QString::fromStdString(s); }

// The figure's diagram in a box of the view. Our painter owns the QPainter's
// transformation, so the diagram is drawn into an image of its own, kept for
// the next paint of the same item.
void drawFigure(QPainter& painter, const Figure& figure, const QRectF& box, const Color& fill) {
  const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  const QSize pixels(int(std::ceil(box.width() * ratio)), int(std::ceil(box.height() * ratio)));
  if (pixels.isEmpty())
    return;
  const QString key = QString("ornival-figure-%1-%2x%3-%4")
                          .arg(figure.tool().rawValue())
                          .arg(pixels.width())
                          .arg(pixels.height())
                          .arg(toQColor(fill).rgba());
  QPixmap pixmap;
  if (!QPixmapCache::find(key, &pixmap)) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter imagePainter(&image);
      QPainterAdapter adapter(imagePainter, pixels.height());
      figure.drawIcon(adapter, Rect{{0.0, 0.0}, {double(pixels.width()), double(pixels.height())}}, fill,
                      figure.imageAngle());
    }
    pixmap = QPixmap::fromImage(std::move(image));
    QPixmapCache::insert(key, pixmap);
  }
  painter.drawPixmap(box, pixmap, QRectF(QPointF(), QSizeF(pixels)));
}

// A figure's labels are looked up on every paint of its item.
struct LabelCache {
  QString fontKey;
  double width = -1.0;
  std::vector<QString> labels;
};

}  // namespace

std::vector<QString> distinctLabels(const std::vector<QString>& names, const QFontMetricsF& metrics, double width) {
  auto fits = [&](const QString& s) { return metrics.horizontalAdvance(s) <= width; };
  // The cuts of one name, the best first.
  auto cuts = [&](const QString& name) {
    std::vector<QString> result;
    auto add = [&](const QString& s) {
      if (!s.isEmpty() && fits(s) && std::find(result.begin(), result.end(), s) == result.end())
        result.push_back(s);
    };
    if (fits(name)) {
      result.push_back(name);
      return result;
    }
    // The first word says what kind of figure (Left, Short, Square), the
    // last ones which of its family: keep both whole where they fit.
    const QStringList words = name.split(' ');
    std::vector<QString> firstKept, firstCut;
    for (qsizetype tail = words.size() - 1; tail >= 1; --tail) {
      const QString end = words.mid(words.size() - tail).join(' ');
      const double room = width - metrics.horizontalAdvance(' ' + end);
      const QString start = metrics.elidedText(words.mid(0, words.size() - tail).join(' '), Qt::ElideRight, room);
      if (start.size() > 1)  // more than the ellipsis alone
        (start.startsWith(words.front()) ? firstKept : firstCut).push_back(start + ' ' + end);
    }
    for (const QString& label : firstKept)
      add(label);
    add(metrics.elidedText(name, Qt::ElideRight, width));
    for (const QString& label : firstCut)
      add(label);
    for (Qt::TextElideMode mode : {Qt::ElideMiddle, Qt::ElideLeft})
      add(metrics.elidedText(name, mode, width));
    return result;
  };

  std::vector<std::vector<QString>> options;
  for (const QString& name : names)
    options.push_back(cuts(name));
  // Whole names first, so that no cut takes a label a whole name has.
  std::vector<QString> labels(names.size());
  std::map<QString, QString> owner;  // label → the name that shows it
  for (std::size_t i = 0; i < names.size(); ++i)
    if (options[i].size() == 1 && options[i].front() == names[i]) {
      labels[i] = names[i];
      owner.emplace(names[i], names[i]);
    }
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (!labels[i].isNull())
      continue;
    const auto free = std::find_if(options[i].begin(), options[i].end(), [&](const QString& label) {
      const auto taken = owner.find(label);
      return taken == owner.end() || taken->second == names[i];
    });
    // A name with no free cut left keeps its best one; with the catalogue's
    // names at the browser's size it never comes to that.
    labels[i] = free != options[i].end() ? *free : options[i].empty() ? QString("…") : options[i].front();
    owner.emplace(labels[i], names[i]);
  }
  return labels;
}

QString itemLabel(int rawValue, const QFont& font, double width) {
  static LabelCache cache;
  if (cache.fontKey != font.key() || cache.width != width) {
    std::vector<QString> names;
    for (const auto& figure : Shapes::figures())
      names.push_back(text(figure->name()));
    cache.labels = distinctLabels(names, QFontMetricsF(font), width);
    cache.fontKey = font.key();
    cache.width = width;
  }
  return cache.labels.at(std::size_t(rawValue - Shapes::firstRawValue));
}

std::string cornerLabel(const Figure& figure, int vertex, bool asDegrees) {
  // The corner at vertex i is the corner of the dividend before it, an exact
  // share of the turn: its degrees may overshoot half a turn in the last bit.
  const auto& dividends = figure.dividends();
  const auto n = std::int64_t(dividends.size());
  const std::int64_t divisor = figure.divisor();
  std::int64_t numerator = dividends[std::size_t((vertex + n - 1) % n)] * (n - 2);
  int sign = 1;
  if (2 * numerator > divisor) {
    numerator = divisor - numerator;
    sign = -1;
  }
  if (asDegrees)
    return formatDecimal(sign * 360.0 * double(numerator) / double(divisor), 1) + "\u00B0";
  const std::int64_t g = gcd(numerator, divisor);
  return fractionText(numerator / g, divisor / g, sign);
}

Color statusColors(ItemStatus status, bool selected) {
  if (selected)
    return accentColor;
  switch (status) {
    case ItemStatus::unused: return unusedFill;
    case ItemStatus::used: return usedFill;
    case ItemStatus::recent: return recentFill;
    case ItemStatus::removed: return removedFill;
  }
  return unusedFill;
}

QColor itemFill(ItemStatus status, bool selected, const QPalette& palette) {
  using namespace paletteColors;
  if (selected)
    return palette.color(QPalette::Highlight);
  const QColor ground = palette.color(QPalette::Base);
  if (!isDark(palette))
    return over(qt(statusColors(status, false)), ground);
  // On a dark ground the pale fills would glare and hide the names: the same
  // hues, deep.
  switch (status) {
    case ItemStatus::used: return mixed(ground, QColor(80, 200, 100), 0.24);
    case ItemStatus::recent: return mixed(ground, QColor(110, 130, 255), 0.26);
    case ItemStatus::removed: return mixed(ground, QColor(240, 90, 90), 0.24);
    case ItemStatus::unused: break;
  }
  return mixed(ground, palette.color(QPalette::Text), 0.08);
}

ItemColors itemColors(ItemStatus status, bool selected, const QPalette& palette) {
  using namespace paletteColors;
  ItemColors colors;
  colors.ground = itemFill(status, selected, palette);
  colors.text = readableOn(colors.ground, palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
  colors.secondary = selected ? colors.text : secondaryOn(colors.ground, colors.text);
  // The figure in a shade of the text, clear on the box in either theme.
  colors.figure = selected ? colors.text : mixed(colors.text, colors.ground, 0.3);
  return colors;
}

ItemColors headerColors(const QPalette& palette) {
  using namespace paletteColors;
  ItemColors colors;
  colors.ground = palette.color(QPalette::Base);
  colors.text = readableOn(colors.ground, palette.color(QPalette::Text));
  colors.secondary = secondaryOn(colors.ground, colors.text);
  colors.figure = colors.text;
  return colors;
}

void IconItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setRenderHint(QPainter::TextAntialiasing);
  const QRect r = option.rect;
  const QPalette& palette = option.palette;
  if (index.data(browserRoles::isHeader).toBool()) {
    // The header's three labels: title, symbol, number of tools.
    QFont bold = option.font;
    bold.setBold(true);
    bold.setPointSizeF(option.font.pointSizeF() * 1.15);
    painter->setFont(bold);
    const ItemColors colors = headerColors(palette);
    painter->setPen(colors.text);
    const QRect inner = r.adjusted(8, 0, -8, 0);
    const QString title = index.data(Qt::DisplayRole).toString();
    painter->drawText(inner, Qt::AlignLeft | Qt::AlignVCenter, title);
    const int titleWidth = QFontMetrics(bold).horizontalAdvance(title);
    QFont plain = option.font;
    plain.setPointSizeF(option.font.pointSizeF() * 1.15);
    painter->setFont(plain);
    painter->drawText(inner.adjusted(titleWidth + 12, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(browserRoles::symbol).toString());
    painter->setPen(colors.secondary);
    painter->drawText(inner, Qt::AlignRight | Qt::AlignVCenter, index.data(browserRoles::count).toString());
    painter->setPen(QPen(palette.color(QPalette::Mid), 1));
    painter->drawLine(r.bottomLeft() + QPoint(4, 0), r.bottomRight() - QPoint(4, 0));
    painter->restore();
    return;
  }

  const bool selected = option.state & QStyle::State_Selected;
  const auto status = ItemStatus(index.data(browserRoles::status).toInt());
  const QRectF box = QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5);
  painter->setPen(Qt::NoPen);
  const ItemColors colors = itemColors(status, selected, palette);
  painter->setBrush(colors.ground);
  painter->drawRoundedRect(box, 6, 6);
  if (option.state & QStyle::State_MouseOver && !selected) {
    QColor ring = palette.color(QPalette::Highlight);
    ring.setAlphaF(0.7f);
    painter->setPen(QPen(ring, 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRoundedRect(box, 6, 6);
  }

  const QColor nameColor = colors.text;
  const QColor countColor = colors.secondary;
  const auto raw = index.data(browserRoles::rawValue).toInt();
  if (const auto tool = Shapes::init(raw)) {
    const Figure& figure = *Shapes::figures()[std::size_t(raw - Shapes::firstRawValue)];
    const double side = std::min(box.width() - 16.0, box.height() - 34.0);
    const QRectF icon(box.center().x() - side / 2, box.top() + 6.0, side, side);
    drawFigure(*painter, figure, icon, fromQt(colors.figure));

    const QFont small = nameFont(option.font);
    painter->setFont(small);
    const QRectF name = QRectF(box.left() + 3, box.bottom() - 24, nameWidth(r), 22);
    painter->setPen(nameColor);
    painter->drawText(name, Qt::AlignHCenter | Qt::AlignVCenter, itemLabel(raw, small, name.width()));
    painter->setPen(countColor);
    const QRectF corner = QRectF(box.left() + 5, box.top() + 3, box.width() - 10, 16);
    // The corner count of a figure of period 1, the tile count.
    if (figure.variantCount() == 1)
      painter->drawText(corner, Qt::AlignLeft | Qt::AlignTop, QString::number(figure.vertices().size()));
    const int count = index.data(browserRoles::count).toInt();
    if (count > 0)
      painter->drawText(corner, Qt::AlignRight | Qt::AlignTop, QString::number(count));
  }
  painter->restore();
}

QFont IconItemDelegate::nameFont(const QFont& font) {
  QFont small = font;
  small.setPointSizeF(font.pointSizeF() * 0.85);
  return small;
}

double IconItemDelegate::nameWidth(const QRect& item) { return QRectF(item).adjusted(1.5, 1.5, -1.5, -1.5).width() - 6; }

QSize IconItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  if (index.data(browserRoles::isHeader).toBool()) {
    // A full row: the view's width less its spacing, so the next item wraps.
    int width = 400;
    if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget))
      width = view->viewport()->width() - 2 * 3 - 2;
    return {std::max(width, itemWidth), headerHeight};
  }
  // As many boxes as fit in a row, widened alike to fill it, so that no
  // empty strip is left at the right.
  int width = itemWidth;
  if (const auto* view = qobject_cast<const QAbstractItemView*>(option.widget)) {
    const int room = view->viewport()->width() - 2 * 3 - 2;
    const int columns = std::max(1, (room + 3) / (itemWidth + 3));
    width = std::max(itemWidth, (room - (columns - 1) * 3) / columns);
  }
  return {width, itemHeight};
}

IconItemDetail::IconItemDetail(QWidget* browser) : QWidget(browser) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void IconItemDetail::showDetail(std::shared_ptr<const Figure> figure, const QRect& iconRect) {
  figure_ = std::move(figure);
  iconRect_ = iconRect;
  setGeometry(iconRect);
  show();
  raise();
  auto* grow = new QPropertyAnimation(this, "geometry", this);
  grow->setDuration(150);
  grow->setStartValue(iconRect);
  grow->setEndValue(parentWidget()->rect());
  grow->start(QAbstractAnimation::DeleteWhenStopped);
}

void IconItemDetail::hideDetail() {
  if (!isVisible())
    return;
  auto* shrink = new QPropertyAnimation(this, "geometry", this);
  shrink->setDuration(100);
  shrink->setStartValue(geometry());
  shrink->setEndValue(iconRect_);
  connect(shrink, &QPropertyAnimation::finished, this, &QWidget::hide);
  shrink->start(QAbstractAnimation::DeleteWhenStopped);
}

void IconItemDetail::paintEvent(QPaintEvent*) {
  if (!figure_)
    return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  // The dimmed browser behind, darker as the drawing grows.
  const double grown = parentWidget() ? double(width()) / std::max(1, parentWidget()->width()) : 1.0;
  painter.fillRect(rect(), QColor::fromRgbF(0, 0, 0, 0.25 * grown));

  const Figure& figure = *figure_;
  const double side = std::min(width(), height());
  const QRectF square((width() - side) / 2, (height() - side) / 2, side, side);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor::fromRgbF(1, 1, 1, 0.92));
  painter.drawRoundedRect(square.adjusted(4, 4, -4, -4), 10, 10);
  drawFigure(painter, figure, square, iconFill);
  if (side < 160)
    return;  // annotations only once there is room for them

  // The icon's transformation, y up, then the flip into the square.
  const Vec2 c = figure.center();
  const double scale = side * 8.5 / (figure.radius() * 20.0);
  const AffineTransform t = AffineTransform::translation(-c.x, -c.y)
                                .concatenating(AffineTransform::scale(scale, scale))
                                .concatenating(AffineTransform::rotation(figure.imageAngle()))
                                .concatenating(AffineTransform::translation(side / 2, side / 2));
  auto toView = [&](Vec2 p) {
    const Vec2 q = t.apply(p);
    return QPointF(square.left() + q.x, square.top() + side - q.y);
  };
  const auto& vertices = figure.vertices();
  const int n = int(vertices.size());
  const int v = figure.variantCount();
  const auto& angles = figure.angles();
  const auto& lengths = figure.lengths();
  QFont big = font();
  big.setPixelSize(16);
  QFont small = font();
  small.setPixelSize(10);
  const QPen markerPen(QColor::fromRgbF(0.6, 0.6, 0.6, 0.7978917), 1);

  // Sides of the first period with their lengths, unless all are equal.
  if (!figure.equilateral()) {
    for (int i = 0; i < n && i < v && i < int(lengths.size()); ++i) {
      const QPointF a = toView(vertices[std::size_t(i)]);
      const QPointF b = toView(vertices[std::size_t((i + 1) % n)]);
      const QPointF q = (a + b) / 2;
      painter.save();
      painter.translate(q);
      painter.rotate(std::atan2(b.y() - a.y(), b.x() - a.x()) * 180.0 / std::numbers::pi);
      painter.setPen(markerPen);
      painter.setBrush(QColor::fromRgbF(0.67, 0.9097656, 1.0, 0.8972688));
      painter.drawRect(QRectF(-13, -13, 26, 26));
      painter.restore();
      painter.setFont(small);
      painter.setPen(Qt::black);
      painter.drawText(QRectF(q.x() - 15, q.y() - 15, 30, 30), Qt::AlignCenter,
                       text(formatDecimal(lengths[std::size_t(i)], 2)));
    }
  }
  // Corners of two periods: turn fractions first, then degrees, a reflex
  // corner as its negative.
  for (int i = 0; i < n && i < 2 * v && !angles.empty(); ++i) {
    const QPointF p = toView(vertices[std::size_t(i)]);
    const bool first = i < v;
    painter.setPen(markerPen);
    painter.setBrush(first ? QColor::fromRgbF(0.6666667, 1.0, 0.8666667, 0.9021565)
                           : QColor::fromRgbF(1.0, 1.0, 0.6666667, 0.8977151));
    painter.drawEllipse(p, 18, 18);
    painter.setFont(first ? big : small);
    painter.setPen(Qt::black);
    const std::string label = cornerLabel(figure, i, !first);
    painter.drawText(QRectF(p.x() - 20, p.y() - 20, 40, 40), Qt::AlignCenter, text(label));
  }
}

}  // namespace ornival
