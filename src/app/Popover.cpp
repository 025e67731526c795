#include "app/Popover.h"

#include "app/ColorWell.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

#include <cmath>

namespace ornival {

namespace {

// The room a popover has: the free area of its screen for a popup; for a
// panel inside the window, the window's content less the panel's margins,
// so that it covers neither the toolbar nor the status bar. Empty where it
// is not known.
QSize screenRoom(const QWidget& widget) {
  const QWidget* popover = &widget;
  while (popover && !qobject_cast<const Popover*>(popover))
    popover = popover->parentWidget();
  if (popover && !popover->isWindow()) {
    const auto* window = qobject_cast<const QMainWindow*>(popover->window());
    const QWidget* content = window ? window->centralWidget() : nullptr;
    return content ? content->size() - QSize(24, 24) : QSize();
  }
  const QScreen* shown = widget.screen();
  return shown ? shown->availableGeometry().size() : QSize();
}

// The popover's controls, as large as they ask to be, but never larger than
// the screen leaves room for: on a small screen (or a dense one, where a
// point is two pixels) the rest scrolls.
class FittingScrollArea final : public QScrollArea {
public:
  using QScrollArea::QScrollArea;

  QSize sizeHint() const override {
    QSize size = widget() ? widget()->sizeHint() : QSize();
    size += QSize(2 * frameWidth(), 2 * frameWidth());
    // The popover's title and margins take the rest. (A screen not yet
    // told its size, as on Wayland at first, sets no bound.)
    const QSize room = screenRoom(*this) - QSize(24, 72);
    if (room.isValid() && !room.isEmpty()) {
      if (size.height() > room.height())
        size.rwidth() += verticalScrollBar()->sizeHint().width();
      size = size.boundedTo(room);
    }
    return size;
  }
  QSize minimumSizeHint() const override { return {}; }
};

}  // namespace

Popover::Popover(const QString& title, Behaviour behaviour, SettingBinder::Perform perform,
                 std::function<void(bool)> gesture, QWidget* parent)
    : QFrame(parent, behaviour == Behaviour::transient ? Qt::Popup : Qt::Widget),
      behaviour_(behaviour),
      binder_(std::move(perform), std::move(gesture)) {
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  // Screen readers announce a panel by its window's name.
  setWindowTitle(title);
  setAccessibleName(title);
  setMouseTracking(true);
  auto* outer = new QVBoxLayout(this);
  auto* heading = new QHBoxLayout();
  auto* titleLabel = new QLabel(title, this);
  QFont bold = titleLabel->font();
  bold.setBold(true);
  titleLabel->setFont(bold);
  heading->addWidget(titleLabel, 1);
  if (behaviour == Behaviour::applicationDefined) {
    // A panel that stays open needs a way to close it.
    auto* closeButton = new QToolButton(this);
    closeButton->setText(QStringLiteral("✕"));
    closeButton->setToolTip(tr("Close"));
    closeButton->setAccessibleName(tr("Close"));
    closeButton->setAutoRaise(true);
    connect(closeButton, &QToolButton::clicked, this, [this] { hide(); });
    heading->addWidget(closeButton);
  }
  outer->addLayout(heading);
  scroll_ = new FittingScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setWidgetResizable(true);
  auto* body = new QWidget(scroll_);
  body_ = new QVBoxLayout(body);
  body_->setContentsMargins(0, 0, 0, 0);
  form_ = new QFormLayout();
  body_->addLayout(form_);
  scroll_->setWidget(body);
  outer->addWidget(scroll_, 1);
  if (behaviour == Behaviour::applicationDefined) {
    // The relief is drawn in a window of its own over the view: a panel
    // inside the document window stands above it only as a window too.
    setAttribute(Qt::WA_DontCreateNativeAncestors);
    setAttribute(Qt::WA_NativeWindow);
    hide();
  }
}

Popover::~Popover() { binder_.setDocument(nullptr); }

void Popover::setRepresentedDocument(std::shared_ptr<Document> document) { binder_.setDocument(std::move(document)); }

QSlider* Popover::addNumberRow(const QString& label, const std::string& key, double minimum, double maximum,
                               double step, int decimals, const std::vector<RowCommand>& commands) {
  auto* row = new QHBoxLayout();
  auto* slider = new QSlider(Qt::Horizontal, this);
  slider->setRange(int(std::lround(minimum / step)), int(std::lround(maximum / step)));
  slider->setMinimumWidth(160);
  auto* box = new QDoubleSpinBox(this);
  slider->setObjectName(QString::fromStdString(key));
  box->setObjectName(QString::fromStdString(key));
  // The row's label names both controls for assistive tools.
  slider->setAccessibleName(label);
  box->setAccessibleName(label);
  box->setRange(minimum, maximum);
  box->setDecimals(decimals);
  box->setSingleStep(step);
  box->setKeyboardTracking(false);
  row->addWidget(slider, 1);
  row->addWidget(box);
  if (!commands.empty())
    slider->setContextMenuPolicy(Qt::ActionsContextMenu);
  for (const RowCommand& entry : commands) {
    const auto send = [this, action = entry.action] {
      if (command)
        command(action);
    };
    auto* button = new QToolButton(this);
    button->setText(entry.symbol);
    button->setToolTip(entry.description);
    button->setAccessibleName(entry.description);
    button->setAutoRaise(true);
    button->setObjectName(QString::fromStdString(entry.action));
    connect(button, &QToolButton::clicked, this, send);
    row->addWidget(button);
    auto* item = new QAction(entry.description, slider);
    connect(item, &QAction::triggered, this, send);
    slider->addAction(item);
  }
  form_->addRow(label, row);
  binder_.bind(slider, key, step);
  binder_.bind(box, key);
  return slider;
}

void Popover::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    hide();
    return;
  }
  QFrame::keyPressEvent(event);
}

void Popover::mouseMoveEvent(QMouseEvent* event) {
  if (mouseMoved && representedDocument())
    mouseMoved(event->globalPosition(), event->modifiers());
  QFrame::mouseMoveEvent(event);
}

void Popover::hideEvent(QHideEvent* event) {
  QFrame::hideEvent(event);
  // The chooser goes with the popover; it opens again when a well asks.
  if (chooser_ && !chooser_->isHidden()) {
    chooser_->hide();
    if (ColorWell* well = choosing_.data())
      well->update();
    choosing_ = nullptr;
    fitToContents();
  }
  if (!representedDocument())
    return;
  setRepresentedDocument(nullptr);
  if (didClose)
    didClose();
}

void Popover::makeChooser() {
  if (!chooser_) {
    chooser_ = new QColorDialog(this);
    chooser_->setWindowFlags(Qt::Widget);
    chooser_->setOptions(QColorDialog::DontUseNativeDialog | QColorDialog::NoButtons |
                         QColorDialog::ShowAlphaChannel);
    body_->addWidget(chooser_);
    connect(chooser_, &QColorDialog::currentColorChanged, this, [this](const QColor& picked) {
      ColorWell* well = choosing_.data();
      if (!well)
        return;
      const Color color = fromQColor(picked);
      if (color == well->color())
        return;
      well->setColor(color);
      emit well->colorPicked(color);
    });
    chooser_->hide();
  }
}

void Popover::chooseColor(ColorWell& well) {
  if (behaviour_ != Behaviour::transient)
    return;
  makeChooser();
  ColorWell* previous = choosing_.data();
  // The well changes hands before the chooser takes its colour, so that the
  // old well does not take the new well's colour.
  choosing_ = nullptr;
  chooser_->setCurrentColor(toQColorValue(well.color()));
  choosing_ = &well;
  if (previous && previous != &well)
    previous->update();
  if (chooser_->isHidden()) {
    chooser_->show();
    fitToContents();
    if (grew)
      grew();
    scroll_->ensureWidgetVisible(chooser_);
  }
}

void Popover::fitToContents() {
  // As large as the controls ask, up to the whole free area of the screen
  // (a window's own adjustSize stops at two thirds of it). The controls'
  // layout measures them only once it has been laid out.
  body_->activate();
  scroll_->updateGeometry();
  if (QLayout* outer = layout())
    outer->activate();
  QSize size = sizeHint();
  if (const QSize room = screenRoom(*this); room.isValid() && !room.isEmpty())
    size = size.boundedTo(room);
  resize(size);
}

QSize Popover::grownSize() {
  if (behaviour_ != Behaviour::transient || isVisible() || findChildren<ColorWell*>().isEmpty())
    return size();
  if (chooser_ && !chooser_->isHidden())
    return size();
  const QSize before = size();
  makeChooser();
  chooser_->show();
  fitToContents();
  const QSize grown = size();
  chooser_->hide();
  fitToContents();
  // Laid out again for the size it shows at first.
  if (size() != before)
    resize(before);
  return grown;
}

bool Popover::isChoosing(const ColorWell& well) const {
  return chooser_ && choosing_.data() == &well && chooser_->isVisible();
}

void Popover::stopChoosing(const ColorWell& well) {
  if (choosing_.data() == &well)
    choosing_ = nullptr;
}

bool placesWindowsItself() { return QGuiApplication::platformName() != QLatin1String("wayland"); }

QPoint popupPlace(const QWidget& popup, const PopupAnchor& anchor, QSize grown) {
  const QWidget* widget = anchor.widget.data();
  QPoint place = anchor.point;
  const QScreen* screen = widget ? widget->screen() : popup.screen();
  if (widget && widget->isVisible()) {
    // Centred under the control, just below it.
    const QPoint below = widget->mapToGlobal(QPoint(widget->width() / 2, widget->height()));
    place = QPoint(below.x() - popup.width() / 2, below.y() + 2);
  }
  // The room it is kept in: the screen's free area where the program places
  // its windows itself. On Wayland the window's place on the screen is not
  // known, and not every compositor slides a popup back onto the screen
  // (weston leaves it hanging off the edge): there it is the window's own
  // area, which the user keeps in sight.
  QRect room;
  if (placesWindowsItself()) {
    if (screen)
      room = screen->availableGeometry();
  } else if (const QWidget* parent = widget ? widget : popup.parentWidget()) {
    room = parent->window()->geometry();
  }
  const QSize kept = popup.size().expandedTo(grown);
  if (!room.isEmpty()) {
    place.setX(std::clamp(place.x(), room.left(), std::max(room.left(), room.right() + 1 - kept.width())));
    place.setY(std::clamp(place.y(), room.top(), std::max(room.top(), room.bottom() + 1 - kept.height())));
  }
  return place;
}

void PopoverHost::show(Popover& popover, const PopupAnchor& anchor, std::shared_ptr<Document> document) {
  if (popover.isVisible())
    return;
  popover.setRepresentedDocument(std::move(document));
  popover.willAppear();
  popover.fitToContents();
  if (popover.behaviour() == Popover::Behaviour::transient) {
    // At the control that asked; without one, at the window's point (the
    // right click), else in the view's top left corner.
    PopupAnchor at = anchor;
    if (!at.widget && at.point.isNull()) {
      const QWidget* content = window_.centralWidget();
      at.point = content ? content->mapToGlobal(QPoint(12, 12)) : window_.mapToGlobal(QPoint(0, 0));
    }
    // The chooser makes it larger. A shown popup on Wayland stays where it
    // opened (Qt 6.4 asks the compositor for no new place), so there it
    // opens where its grown size fits as well. Elsewhere the top stays when
    // it grows, and the rest comes back on the screen.
    popover.move(popupPlace(popover, at, placesWindowsItself() ? QSize() : popover.grownSize()));
    popover.grew = [&popover] {
      if (!placesWindowsItself())
        return;
      PopupAnchor corner;
      corner.point = popover.pos();
      popover.move(popupPlace(popover, corner));
    };
    window_.activateWindow();
    popover.show();
    // The keyboard's focus goes into it, as into any popup: Escape closes
    // it, Tab reaches its controls, and a screen reader announces it (a
    // popup is not among the window's children it lists).
    if (!popover.focusWidget())
      popover.setFocus(Qt::PopupFocusReason);
  } else {
    const QWidget* content = window_.centralWidget();
    const QPoint corner = content ? content->geometry().topRight() : QPoint(window_.width(), 0);
    popover.move(corner.x() - popover.width() - 12, corner.y() + 12);
    popover.show();
    popover.raise();
    window_.activateWindow();
  }
}

void PopoverHost::close(Popover& popover) { popover.hide(); }

}  // namespace ornival
