#include "app/ToolbarDelegate.h"

#include "app/ColorWell.h"
#include "app/DrawnIcon.h"
#include "app/core/ToolbarItems.h"
#include "figures/Figure.h"
#include "platform/Icon.h"
#include "platform/qt/QPainterAdapter.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace ornival {
namespace {

constexpr int itemSize = 30;
const char* settingsKey = "Toolbar/items";

QString text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The program's own pictures, where the desktop's icon theme has none that
// fits.
QString iconFile(const char* name) { return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)); }

// The label of an identifier: the figure's name for a tool, else its
// translation.
QString itemLabel(const std::string& identifier) {
  if (const auto tool = toolOfIdentifier(identifier))
    return QString::fromStdString(Shapes::figures()[std::size_t(tool->rawValue() - 1)]->name());
  if (identifier == toolbarItem::flexibleSpace)
    return ToolbarDelegate::tr("Flexible Space");
  return ToolbarDelegate::tr(identifier.c_str());
}

// The translation tool sees the item labels here.
[[maybe_unused]] const char* labels[] = {QT_TRANSLATE_NOOP("ornival::ToolbarDelegate", "Shapes"),
                                         QT_TRANSLATE_NOOP("ornival::ToolbarDelegate", "Color"),
                                         QT_TRANSLATE_NOOP("ornival::ToolbarDelegate", "Border"),
                                         QT_TRANSLATE_NOOP("ornival::ToolbarDelegate", "Dimension"),
                                         QT_TRANSLATE_NOOP("ornival::ToolbarDelegate", "Count"),
                                         QT_TRANSLATE_NOOP("ornival::ToolbarDelegate", "Scale"),
                                         QT_TRANSLATE_NOOP("ornival::ToolbarDelegate", "Rotate"),
                                         QT_TRANSLATE_NOOP("ornival::ToolbarDelegate", "Share"),
                                         QT_TRANSLATE_NOOP("ornival::ToolbarDelegate", "Space")};

}  // namespace

struct ToolbarDelegate::LongPress {
  QTimer timer;
  bool fired = false;
};

ToolbarDelegate::ToolbarDelegate(QToolBar& toolbar, Handlers handlers)
    : QObject(&toolbar), toolbar_(toolbar), handlers_(std::move(handlers)), tools_(new QActionGroup(this)) {
  tools_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  toolbar_.setObjectName(QStringLiteral("OrnivalToolbar"));
  toolbar_.setIconSize(QSize(itemSize, itemSize));
  // Every item shows its picture and, under it, its label: the tools their
  // counts, the zoom and the turn their values.
  toolbar_.setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  toolbar_.setMovable(false);
  toolbar_.setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* customizeAction = new QAction(tr("Customize Toolbar…"), &toolbar_);
  connect(customizeAction, &QAction::triggered, this, &ToolbarDelegate::customize);
  toolbar_.addAction(customizeAction);
  toolbar_.removeAction(customizeAction);
  toolbar_.setContextMenuPolicy(Qt::CustomContextMenu);
  connect(&toolbar_, &QToolBar::customContextMenuRequested, this, [this] { customize(); });
  // The figures' outlines are drawn in the text colour: again when a theme
  // changes it.
  toolbar_.installEventFilter(this);
  setItems(savedItems());
}

ToolbarDelegate::~ToolbarDelegate() = default;

void ToolbarDelegate::connectPress(QWidget* button, std::function<void()> action) {
  pressActions_[button] = std::move(action);
  button->installEventFilter(this);
  connect(button, &QObject::destroyed, this, [this, button] { pressActions_.erase(button); });
}

QToolButton* ToolbarDelegate::makeButton(const QString& label, const std::string& action, int width) {
  auto* button = new QToolButton();
  button->setText(label);
  button->setToolTip(label);
  button->setAccessibleName(label);
  button->setAutoRaise(true);
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setMinimumWidth(width);
  button->setIconSize(QSize(itemSize, itemSize));
  connectPress(button, [this, action, button] {
    if (handlers_.send)
      handlers_.send(action, 0, button);
  });
  return button;
}

QAction* ToolbarDelegate::makeToolbarItem(const std::string& identifier) {
  if (const auto found = items_.find(identifier); found != items_.end())
    return found->second;
  using namespace toolbarItem;
  QAction* item = nullptr;
  if (const auto tool = toolOfIdentifier(identifier)) {
    const Figure& figure = *Shapes::figures()[std::size_t(tool->rawValue() - 1)];
    const auto label = toolLabels_.find(tool->rawValue());
    item = new QAction(toolIcon(figure),
                       label == toolLabels_.end() ? itemLabel(identifier) : QString::fromStdString(label->second), this);
    item->setCheckable(true);
    item->setData(tool->rawValue());
    tools_->addAction(item);
  } else if (identifier == space || identifier == flexibleSpace) {
    // Spaces may stand several times: each is its own item.
    auto* filler = new QWidget();
    if (identifier == space)
      filler->setFixedWidth(itemSize / 2);
    else
      filler->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto* action = new QWidgetAction(&toolbar_);
    action->setDefaultWidget(filler);
    action->setText(itemLabel(identifier));
    action->setObjectName(QString::fromStdString(identifier));
    return action;
  } else {
    QWidget* widget = nullptr;
    if (identifier == shapes) {
      shapesButton_ = makeButton(itemLabel(identifier), "showIconMenu", itemSize);
      widget = shapesButton_;
    } else if (identifier == count) {
      // The tally's picture over the number of tiles.
      countButton_ = makeButton(QStringLiteral("0"), "showCounts", 84);
      countButton_->setIcon(symbolicIcon(iconFile("count")));
      countButton_->setToolTip(itemLabel(identifier));
      // The button shows the count; a listener hears what it counts.
      countButton_->setAccessibleName(itemLabel(identifier));
      widget = countButton_;
    } else if (identifier == share) {
      auto* button = makeButton(itemLabel(identifier), "share", itemSize);
      button->setIcon(themeOrSymbolicIcon(QStringLiteral("document-send"), iconFile("share")));
      widget = button;
    } else if (identifier == scale) {
      scaleButton_ = makeButton(scaleLabel_.isEmpty() ? itemLabel(identifier) : scaleLabel_, "showScaleMenu", 50);
      scaleButton_->setIcon(themeOrSymbolicIcon(QStringLiteral("zoom-in"), iconFile("scale")));
      scaleButton_->setToolTip(itemLabel(identifier));
      widget = scaleButton_;
    } else if (identifier == rotate) {
      rotateButton_ =
          makeButton(rotateLabel_.isEmpty() ? itemLabel(identifier) : rotateLabel_, "showRotateMenu", 75);
      rotateButton_->setIcon(themeOrSymbolicIcon(QStringLiteral("object-rotate-right"), iconFile("rotate")));
      rotateButton_->setToolTip(itemLabel(identifier));
      widget = rotateButton_;
    } else if (identifier == border) {
      borderButton_ = makeButton(itemLabel(identifier), "showBorder", itemSize);
      widget = borderButton_;
    } else if (identifier == color) {
      // The well with its label under it, as the buttons have theirs.
      auto* box = new QWidget();
      auto* column = new QVBoxLayout(box);
      column->setContentsMargins(2, 2, 2, 2);
      column->setSpacing(1);
      colorWell_ = new ColorWell(box);
      colorWell_->setFixedSize(itemSize + 4, itemSize + 4);
      colorWell_->setToolTip(itemLabel(identifier));
      colorWell_->setAccessibleName(itemLabel(identifier));
      colorWell_->setColor(shapeColor_);
      auto* label = new QLabel(itemLabel(identifier), box);
      label->setAlignment(Qt::AlignHCenter);
      column->addWidget(colorWell_, 0, Qt::AlignHCenter);
      column->addWidget(label, 0, Qt::AlignHCenter);
      auto& press = longPresses_[colorWell_.data()];
      press = std::make_unique<LongPress>();
      press->timer.setSingleShot(true);
      press->timer.setInterval(400);
      connect(&press->timer, &QTimer::timeout, this, [this, well = colorWell_] {
        longPresses_[well.data()]->fired = true;
        well->setDown(false);
        if (handlers_.colorLongPress)
          handlers_.colorLongPress(well);
      });
      colorWell_->installEventFilter(this);
      widget = box;
    } else if (identifier == toolbarItem::dimension) {
      // Its picture and its title tell the view shown: flat or in relief.
      auto* button = new QToolButton();
      dimensionButton_ = button;
      button->setAutoRaise(true);
      button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
      button->setIconSize(QSize(itemSize, itemSize));
      button->setMinimumWidth(itemSize + 14);
      button->setToolTip(itemLabel(identifier));
      button->setAccessibleName(itemLabel(identifier));
      connect(button, &QToolButton::clicked, this, [this, button] {
        if (handlers_.send)
          handlers_.send("showDimension", 0, button);
      });
      auto& press = longPresses_[button];
      press = std::make_unique<LongPress>();
      press->timer.setSingleShot(true);
      press->timer.setInterval(200);
      connect(&press->timer, &QTimer::timeout, this, [this, button] {
        longPresses_[button]->fired = true;
        button->setDown(false);
        if (handlers_.dimensionLongPress)
          handlers_.dimensionLongPress(button);
      });
      button->installEventFilter(this);
      setDimension(dimension_);
      widget = button;
    } else {
      return nullptr;
    }
    auto* action = new QWidgetAction(this);
    action->setDefaultWidget(widget);
    action->setText(itemLabel(identifier));
    item = action;
  }
  item->setObjectName(QString::fromStdString(identifier));
  items_.emplace(identifier, item);
  updateToolImages();
  return item;
}

bool ToolbarDelegate::eventFilter(QObject* watched, QEvent* event) {
  const auto type = event->type();
  if (watched == &toolbar_) {
    if (type == QEvent::PaletteChange)
      updateToolImages();
    return QObject::eventFilter(watched, event);
  }
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
    return QObject::eventFilter(watched, event);
  if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
    return QObject::eventFilter(watched, event);
  if (const auto press = pressActions_.find(watched); press != pressActions_.end()) {
    // Acts as the button goes down; the button never sees the click, so a
    // checkable tool keeps the check the editor gives it.
    if (type == QEvent::MouseButtonPress) {
      const auto action = press->second;
      action();
    }
    return true;
  }
  if (const auto found = longPresses_.find(watched); found != longPresses_.end()) {
    LongPress& press = *found->second;
    if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
      press.fired = false;
      press.timer.start();
    } else {
      press.timer.stop();
      // A long press did its own thing: no click after it.
      if (press.fired) {
        press.fired = false;
        if (auto* button = qobject_cast<QAbstractButton*>(watched))
          button->setDown(false);
        return true;
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

void ToolbarDelegate::setItems(const std::vector<std::string>& identifiers) {
  for (QAction* action : toolbar_.actions()) {
    toolbar_.removeAction(action);
    // Spaces are made new each time.
    if (action->parent() == &toolbar_)
      action->deleteLater();
  }
  current_.clear();
  for (const std::string& identifier : restoredToolbarItems(identifiers)) {
    QAction* item = makeToolbarItem(identifier);
    if (!item)
      continue;
    toolbar_.addAction(item);
    current_.push_back(identifier);
    // A tool's button acts on press.
    if (toolOfIdentifier(identifier))
      if (QWidget* button = toolbar_.widgetForAction(item); button && !pressActions_.contains(button))
        connectPress(button, [this, item, button] {
          if (handlers_.send)
            handlers_.send("selectTool", item->data().toInt(), button);
        });
  }
  QSettings settings;
  QStringList saved;
  for (const std::string& identifier : current_)
    saved.push_back(QString::fromStdString(identifier));
  if (current_ == defaultToolbarItems())
    settings.remove(settingsKey);
  else
    settings.setValue(settingsKey, saved);
}

std::vector<std::string> ToolbarDelegate::savedItems() {
  QSettings settings;
  if (!settings.contains(settingsKey))
    return defaultToolbarItems();
  std::vector<std::string> items;
  for (const QString& identifier : settings.value(settingsKey).toStringList())
    items.push_back(identifier.toStdString());
  return restoredToolbarItems(items);
}

void ToolbarDelegate::customize() {
  QDialog dialog(toolbar_.window());
  dialog.setWindowTitle(tr("Customize Toolbar"));
  auto* available = new QListWidget(&dialog);
  auto* chosen = new QListWidget(&dialog);
  chosen->setDragDropMode(QAbstractItemView::InternalMove);
  const auto addItem = [](QListWidget* list, const std::string& identifier) {
    auto* entry = new QListWidgetItem(itemLabel(identifier), list);
    entry->setData(Qt::UserRole, QString::fromStdString(identifier));
    if (const auto tool = toolOfIdentifier(identifier)) {
      entry->setIcon(toolIcon(*Shapes::figures()[std::size_t(tool->rawValue() - 1)]));
      entry->setText(QStringLiteral("%1  (%2)").arg(entry->text()).arg(tool->rawValue()));
    }
  };
  const auto fill = [&](const std::vector<std::string>& current) {
    available->clear();
    chosen->clear();
    for (const std::string& identifier : allowedToolbarItems())
      addItem(available, identifier);
    for (const std::string& identifier : current)
      addItem(chosen, identifier);
  };
  fill(current_);
  auto* add = new QPushButton(tr("Add →"), &dialog);
  auto* remove = new QPushButton(tr("← Remove"), &dialog);
  auto* defaults = new QPushButton(tr("Restore Defaults"), &dialog);
  connect(add, &QPushButton::clicked, &dialog, [&] {
    for (QListWidgetItem* entry : available->selectedItems())
      addItem(chosen, entry->data(Qt::UserRole).toString().toStdString());
  });
  connect(remove, &QPushButton::clicked, &dialog, [&] { qDeleteAll(chosen->selectedItems()); });
  connect(defaults, &QPushButton::clicked, &dialog, [&] { fill(defaultToolbarItems()); });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* middle = new QVBoxLayout();
  middle->addStretch(1);
  middle->addWidget(add);
  middle->addWidget(remove);
  middle->addStretch(1);
  middle->addWidget(defaults);
  auto* lists = new QHBoxLayout();
  auto* left = new QVBoxLayout();
  left->addWidget(new QLabel(tr("Available items"), &dialog));
  left->addWidget(available);
  auto* right = new QVBoxLayout();
  right->addWidget(new QLabel(tr("Toolbar"), &dialog));
  right->addWidget(chosen);
  available->setSelectionMode(QAbstractItemView::ExtendedSelection);
  chosen->setSelectionMode(QAbstractItemView::ExtendedSelection);
  lists->addLayout(left);
  lists->addLayout(middle);
  lists->addLayout(right);
  auto* outer = new QVBoxLayout(&dialog);
  outer->addLayout(lists);
  outer->addWidget(buttons);
  dialog.resize(620, 460);
  if (dialog.exec() != QDialog::Accepted)
    return;
  std::vector<std::string> identifiers;
  for (int row = 0; row < chosen->count(); ++row)
    identifiers.push_back(chosen->item(row)->data(Qt::UserRole).toString().toStdString());
  setItems(identifiers);
  setSelectedTool(selectedTool_);
}

void ToolbarDelegate::setSelectedTool(std::optional<Shapes> tool) {
  selectedTool_ = tool;
  for (QAction* action : tools_->actions())
    action->setChecked(false);
  if (tool)
    if (const auto found = items_.find(toolIdentifier(*tool)); found != items_.end())
      found->second->setChecked(true);
  updateToolImages();
}

void ToolbarDelegate::setToolLabel(Shapes tool, const std::string& label) {
  // Most tools never reach the toolbar: their items are not made for a label.
  toolLabels_[tool.rawValue()] = label;
  if (const auto found = items_.find(toolIdentifier(tool)); found != items_.end())
    found->second->setText(QString::fromStdString(label));
}

void ToolbarDelegate::setDimension(int dimension) {
  dimension_ = dimension;
  if (!dimensionButton_)
    return;
  const std::string title = dimensionTitle(dimension);
  dimensionButton_->setText(QString::fromStdString(title));
  dimensionButton_->setIcon(symbolicIcon(iconFile(title == "3D" ? "relief" : "flat")));
}

void ToolbarDelegate::setCountTitle(const QString& title) {
  if (countButton_)
    countButton_->setText(title);
}

void ToolbarDelegate::setShapeColor(const Color& color) {
  shapeColor_ = color;
  if (colorWell_)
    colorWell_->setColor(color);
  updateToolImages();
}

void ToolbarDelegate::setCornerFactor(int which, double value) {
  if (which >= 0 && which < 4)
    factors_[which] = value;
  updateToolImages();
}

void ToolbarDelegate::setScaleLabel(const QString& label) {
  scaleLabel_ = label;
  if (scaleButton_)
    scaleButton_->setText(label);
}

void ToolbarDelegate::setRotateLabel(const QString& label) {
  rotateLabel_ = label;
  if (rotateButton_)
    rotateButton_->setText(label);
}

void ToolbarDelegate::updateToolImages() {
  const QColor outline = toolbar_.palette().color(QPalette::WindowText);
  const auto draw = [&](const Figure& figure, const Color& fill) {
    const double f[4] = {factors_[0], factors_[1], factors_[2], factors_[3]};
    const QString key = QStringLiteral("toolbar-figure:%1:%2:%3:%4,%5,%6,%7")
                            .arg(figure.tool().rawValue())
                            .arg(toQColor(fill).rgba())
                            .arg(outline.rgba())
                            .arg(f[0])
                            .arg(f[1])
                            .arg(f[2])
                            .arg(f[3]);
    const auto shown = Shapes::figures()[std::size_t(figure.tool().rawValue() - 1)];
    return drawnIcon(key, [shown, fill, f, outline](QPainter& painter, const QSize& pixels) {
      paintFigureImage(painter, *shown, fill, f[0], f[1], f[2], f[3], pixels.height(), outline);
    });
  };
  if (selectedTool_ && *selectedTool_ != Shapes::multi) {
    const Figure& figure = *Shapes::figures()[std::size_t(selectedTool_->rawValue() - 1)];
    if (shapesButton_)
      shapesButton_->setIcon(draw(figure, shapeColor_));
    if (borderButton_)
      borderButton_->setIcon(draw(figure, Color::clear()));
  } else {
    // Without a tool the button shows what it opens: the catalogue.
    if (shapesButton_)
      shapesButton_->setIcon(symbolicIcon(iconFile("tools")));
    if (borderButton_)
      borderButton_->setIcon(draw(*Shapes::figures()[std::size_t(Shapes::sun8.rawValue() - 1)], Color::clear()));
  }
}

QImage ToolbarDelegate::figureImage(const Figure& figure, const Color& fill, double shapeFactor, double shapeLimit,
                                    double borderFactor, double borderLimit, int pixels, const QColor& outline) {
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  paintFigureImage(painter, figure, fill, shapeFactor, shapeLimit, borderFactor, borderLimit, pixels, outline);
  return image;
}

void ToolbarDelegate::paintFigureImage(QPainter& painter, const Figure& figure, const Color& fill, double shapeFactor,
                                       double shapeLimit, double borderFactor, double borderLimit, int size,
                                       const QColor& outline) {
  QPainterAdapter adapter(painter, size);
  const double w = size, h = size;
  const Vec2 center = figure.center();
  const double radius = figure.radius();
  const double scale = radius > 0.0 ? (h / 2.0 - 1.5 * h / 32.0) / radius : 1.0;
  const AffineTransform transform = AffineTransform::translation(-center.x, -center.y)
                                        .concatenating(AffineTransform::scale(scale, scale))
                                        .concatenating(AffineTransform::rotation(figure.imageAngle()))
                                        .concatenating(AffineTransform::translation(w / 2.0, h / 2.0));
  adapter.fill(figure.roundedBezierPath(2.0 * shapeFactor, shapeLimit).transformed(transform), fill);
  const QColor line = outline.toRgb();
  adapter.stroke(figure.roundedBezierPath(2.0 * borderFactor, borderLimit).transformed(transform),
                 {line.redF(), line.greenF(), line.blueF(), line.alphaF()}, {0.05 * h, LineCap::butt, LineJoin::round});
}

QIcon ToolbarDelegate::toolIcon(const Figure& figure) {
  const auto shown = Shapes::figures()[std::size_t(figure.tool().rawValue() - 1)];
  return drawnIcon(QStringLiteral("tool-figure:%1").arg(figure.tool().rawValue()),
                   [shown](QPainter& painter, const QSize& pixels) {
                     const auto icon = shown->toolbarImage();
                     if (!icon)
                       return;
                     // The picture keeps its proportions in the middle of the square.
                     const Vec2 size = icon->size();
                     const double scale = std::min(pixels.width() / size.x, pixels.height() / size.y);
                     const Vec2 drawn{size.x * scale, size.y * scale};
                     const Vec2 origin{(pixels.width() - drawn.x) / 2.0, (pixels.height() - drawn.y) / 2.0};
                     QPainterAdapter adapter(painter, pixels.height());
                     icon->draw(adapter, Rect{origin, drawn});
                   });
}

}  // namespace ornival
