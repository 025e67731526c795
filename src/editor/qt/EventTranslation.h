#pragma once

#include "editor/InputEvents.h"

#include <QPointF>
#include <QString>
#include <Qt>

#include <string>
#include <vector>

class QKeyEvent;
class QWheelEvent;

namespace ornival {

// Qt's events in the editor's terms. Points come in widget coordinates
// (y down) and leave in window points with y up: the view fills the window's
// content, so the two differ by the flip alone.

// How the editor's modifiers are held on this desktop. GNOME and KDE keep
// Super for themselves, and window managers take Alt with a click, a drag or
// the wheel, so neither may carry a gesture. This table is the one mapping:
// the events below read it, and the help shows it.
enum class EditorModifier { shift, control, option };
enum class InputKind { pointer, wheel };
struct ModifierBinding {
  EditorModifier modifier;
  InputKind input;
  // Held keys, or a held mouse button, that stand for the modifier.
  Qt::KeyboardModifiers keys;
  Qt::MouseButtons buttons;
  // For the help: how it is held and what it does, as English text for the
  // translation (context "Gestures").
  const char* heldAs;
  const char* gestures;
};
const std::vector<ModifierBinding>& modifierBindings();

// The editor's modifiers for the keys and buttons held at an event of the
// kind. For a pointer event, buttons are the buttons held together with the
// one pressed or released.
ModifierFlags modifierFlags(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = Qt::NoButton,
                            InputKind input = InputKind::pointer);

Vec2 windowPoint(QPointF widgetPoint, double height);

MouseEvent mouseEvent(QPointF widgetPoint, double height, Qt::KeyboardModifiers modifiers, int clickCount,
                      Qt::MouseButtons buttons = Qt::NoButton);

// A wheel that reports phases (a touchpad) gives one event in its phase; a
// plain mouse wheel reports none, so each of its steps is a gesture of its
// own: begun with the step and ended at once.
std::vector<ScrollEvent> scrollEvents(double deltaY, Qt::ScrollPhase phase, bool momentum,
                                      Qt::KeyboardModifiers modifiers);
std::vector<ScrollEvent> scrollEvents(const QWheelEvent& event);

// The characters the editor reads for a key: the typed text, or for the keys
// that type none the private-use characters of the arrow keys (U+F700 up,
// U+F701 down, U+F702 left, U+F703 right), Tab, Return and Escape. Empty for
// a key the editor knows nothing of.
std::string keyCharacters(int key, const QString& text);
KeyEvent keyEvent(const QKeyEvent& event);

// Counts the clicks of a multi-click: a press close in time and place to the
// one before counts one more.
class ClickCounter {
public:
  // time in milliseconds, interval the platform's double-click interval.
  int press(QPointF point, qint64 time, int interval);

private:
  QPointF last_;
  qint64 lastTime_ = -1;
  int count_ = 0;
};

}  // namespace ornival
