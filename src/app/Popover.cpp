#include "app/Popover.h"

#include "app/ColorWell.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QKeyEvent>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMouseEvent>
#include <QScreen>
#include <QSlider>
#include <QToolButton>

#include <cmath>

namespace ornival {

Popover::Popover(const QString& title, Behaviour behaviour, SettingBinder::Perform perform,
                 std::function<void(bool)> gesture, QWidget* parent)
    : QFrame(parent, behaviour == Behaviour::transient ? Qt::Tool | Qt::FramelessWindowHint : Qt::Widget),
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
  form_ = new QFormLayout();
  outer->addLayout(form_);
  if (behaviour == Behaviour::applicationDefined)
    hide();
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

void Popover::showEvent(QShowEvent* event) {
  QFrame::showEvent(event);
  if (behaviour_ == Behaviour::transient)
    qApp->installEventFilter(this);
}

bool Popover::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && watched->isWidgetType()) {
    const QWidget* target = static_cast<QWidget*>(watched)->window();
    const QWidget* dialog = ColorWell::colorDialog(false);
    // Clicks in this popover, in the colour dialog and in the windows they
    // open (a spin box's menu, say) leave it open.
    const bool inside = target == this || target == dialog || (target && target->parentWidget() &&
                                                               (target->parentWidget()->window() == this ||
                                                                target->parentWidget()->window() == dialog));
    if (!inside)
      hide();
  }
  return QFrame::eventFilter(watched, event);
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
  qApp->removeEventFilter(this);
  if (!representedDocument())
    return;
  setRepresentedDocument(nullptr);
  if (didClose)
    didClose();
}

void PopoverHost::show(Popover& popover, QWidget* anchor, std::shared_ptr<Document> document) {
  if (popover.isVisible())
    return;
  popover.setRepresentedDocument(std::move(document));
  popover.willAppear();
  popover.adjustSize();
  if (popover.behaviour() == Popover::Behaviour::transient) {
    // Under the control that asked; without one, in the view's top left corner.
    const QWidget* content = window_.centralWidget();
    QPoint place = anchor && anchor->isVisible() ? anchor->mapToGlobal(QPoint(0, anchor->height()))
                   : content                     ? content->mapToGlobal(QPoint(12, 12))
                                                 : window_.mapToGlobal(QPoint(0, 0));
    if (const QScreen* screen = window_.screen()) {
      const QRect room = screen->availableGeometry();
      place.setX(std::clamp(place.x(), room.left(), std::max(room.left(), room.right() - popover.width())));
      place.setY(std::clamp(place.y(), room.top(), std::max(room.top(), room.bottom() - popover.height())));
    }
    popover.move(place);
    window_.activateWindow();
    popover.show();
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
