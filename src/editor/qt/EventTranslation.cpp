#include "editor/qt/EventTranslation.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWheelEvent>

#include <cmath>

namespace ornival {

const std::vector<ModifierBinding>& modifierBindings() {
  static const std::vector<ModifierBinding> bindings = {
      {EditorModifier::shift, InputKind::pointer, Qt::ShiftModifier, Qt::NoButton, QT_TRANSLATE_NOOP("Gestures", "Shift"),
       QT_TRANSLATE_NOOP("Gestures", "Dragging with Shift draws a band around tiles to select them, and keeps the "
                                     "selection there was. Choosing a figure or mirroring with Shift adds to the "
                                     "current figures.")},
      {EditorModifier::control, InputKind::pointer, Qt::ControlModifier, Qt::NoButton,
       QT_TRANSLATE_NOOP("Gestures", "Ctrl"),
       QT_TRANSLATE_NOOP("Gestures", "Holding Ctrl while zoomed in keeps the view from following the pointer. "
                                     "Dragging with Ctrl paints a selection over the tiles it passes. "
                                     "Double-clicking a tile with Ctrl selects every tile of its colour, or a "
                                     "group's whole region of one colour.")},
      {EditorModifier::option, InputKind::pointer, Qt::NoModifier, Qt::MiddleButton,
       QT_TRANSLATE_NOOP("Gestures", "The middle button"),
       QT_TRANSLATE_NOOP("Gestures", "The middle button does what the left one does, with these differences. "
                                     "Its band toggles the tiles inside and keeps the others. Dragging it with "
                                     "Ctrl takes tiles out of the selection. Dragging the picture's frame with "
                                     "it recolours the tiles as the picture moves, and dragging the page frame "
                                     "with it leaves the frame where it is let go instead of snapping it to the "
                                     "tiles. Double-clicking a tile with it selects every tile of that figure; "
                                     "with Ctrl only those of its colour too, with Shift only those turned the "
                                     "same way. Laying tiles by dragging with it lays only those that fit.")},
      {EditorModifier::option, InputKind::wheel, Qt::ShiftModifier, Qt::NoButton,
       QT_TRANSLATE_NOOP("Gestures", "Shift with the wheel"),
       QT_TRANSLATE_NOOP("Gestures", "The wheel zooms the view; with Shift it turns the view.")},
  };
  return bindings;
}

ModifierFlags modifierFlags(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, InputKind input) {
  ModifierFlags flags;
  for (const ModifierBinding& binding : modifierBindings()) {
    if (binding.input != input)
      continue;
    const bool held = (binding.keys != Qt::NoModifier && (modifiers & binding.keys) == binding.keys) ||
                      (binding.buttons != Qt::NoButton && (buttons & binding.buttons));
    if (!held)
      continue;
    switch (binding.modifier) {
      case EditorModifier::shift: flags.shift = true; break;
      case EditorModifier::control: flags.control = true; break;
      case EditorModifier::option: flags.option = true; break;
    }
  }
  return flags;
}

Vec2 windowPoint(QPointF widgetPoint, double height) { return {widgetPoint.x(), height - widgetPoint.y()}; }

MouseEvent mouseEvent(QPointF widgetPoint, double height, Qt::KeyboardModifiers modifiers, int clickCount,
                      Qt::MouseButtons buttons) {
  return {windowPoint(widgetPoint, height), modifierFlags(modifiers, buttons), clickCount};
}

std::vector<ScrollEvent> scrollEvents(double deltaY, Qt::ScrollPhase phase, bool momentum,
                                      Qt::KeyboardModifiers modifiers) {
  ScrollEvent event;
  event.scrollingDeltaY = deltaY;
  event.modifiers = modifierFlags(modifiers, Qt::NoButton, InputKind::wheel);
  if (phase == Qt::NoScrollPhase && !momentum) {
    event.phase = ScrollPhase::began;
    ScrollEvent end;
    end.modifiers = event.modifiers;
    end.phase = ScrollPhase::ended;
    return {event, end};
  }
  ScrollPhase mapped = ScrollPhase::changed;
  switch (phase) {
    case Qt::NoScrollPhase: mapped = ScrollPhase::none; break;
    case Qt::ScrollBegin: mapped = ScrollPhase::began; break;
    case Qt::ScrollUpdate: mapped = ScrollPhase::changed; break;
    case Qt::ScrollMomentum: mapped = ScrollPhase::changed; break;
    case Qt::ScrollEnd: mapped = ScrollPhase::ended; break;
  }
  if (momentum || phase == Qt::ScrollMomentum)
    event.momentumPhase = mapped;
  else
    event.phase = mapped;
  return {event};
}

std::vector<ScrollEvent> scrollEvents(const QWheelEvent& event) {
  // Pixel deltas where the device gives them (touchpads), else wheel angles.
  const double delta = !event.pixelDelta().isNull() ? event.pixelDelta().y() : event.angleDelta().y() / 8.0;
  return scrollEvents(delta, event.phase(), event.phase() == Qt::ScrollMomentum, event.modifiers());
}

namespace {

std::string utf8(char32_t c) {
  std::string out;
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
  return out;
}

}  // namespace

std::string keyCharacters(int key, const QString& text) {
  switch (key) {
    case Qt::Key_Up: return utf8(0xF700);
    case Qt::Key_Down: return utf8(0xF701);
    case Qt::Key_Left: return utf8(0xF702);
    case Qt::Key_Right: return utf8(0xF703);
    case Qt::Key_Tab: return "\t";
    case Qt::Key_Return:
    case Qt::Key_Enter: return "\r";
    case Qt::Key_Escape: return "\x1b";
    default: break;
  }
  return text.toStdString();
}

KeyEvent keyEvent(const QKeyEvent& event) {
  return {keyCharacters(event.key(), event.text()), modifierFlags(event.modifiers())};
}

int ClickCounter::press(QPointF point, qint64 time, int interval) {
  const QPointF moved = point - last_;
  const bool near = std::abs(moved.x()) <= 4.0 && std::abs(moved.y()) <= 4.0;
  if (lastTime_ >= 0 && time - lastTime_ <= interval && near)
    ++count_;
  else
    count_ = 1;
  last_ = point;
  lastTime_ = time;
  return count_;
}

}  // namespace ornival
