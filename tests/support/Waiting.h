#pragma once

// Waiting in tests of windows and of the whole program: always for a
// condition, never for a fixed time. The limit only guards against a hang:
// a machine running the whole suite at once, under the sanitizers or beside
// other work, takes many times longer than an idle one, and a condition that
// holds returns the wait at once anyway.

#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <utility>

namespace ornival::testing {

inline constexpr int waitLimitMs = 30000;

// Runs the event loop until condition() holds; whether it did.
template <class Condition>
bool waitFor(Condition&& condition) {
  return QTest::qWaitFor(std::forward<Condition>(condition), waitLimitMs);
}

inline bool waitForExposed(QWidget* window) { return QTest::qWaitForWindowExposed(window, waitLimitMs); }
inline bool waitForActive(QWidget* window) { return QTest::qWaitForWindowActive(window, waitLimitMs); }

// Moves the pointer over the widget, as QTest does on a display (no button
// held): the server warps it and the move comes back as an event, at once on
// an idle machine and a good while later on a busy one. Returns once the
// widget has had that move; false if it never came. A pointer already there
// makes no move, and the widget has had it then.
inline bool movePointer(QWidget* widget, QPoint to) {
  if (QCursor::pos() == widget->mapToGlobal(to))
    return true;
  class Seen final : public QObject {
  public:
    explicit Seen(QPoint at) : at_(at) {}
    bool seen = false;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::MouseMove && static_cast<QMouseEvent*>(event)->position().toPoint() == at_)
        seen = true;
      return false;
    }

  private:
    QPoint at_;
  } moves(to);
  widget->installEventFilter(&moves);
  QTest::mouseMove(widget, to);
  const bool seen = waitFor([&] { return moves.seen; });
  widget->removeEventFilter(&moves);
  return seen;
}

// The screen as the display shows it, grabbed again until shows(picture)
// holds: a window that is exposed may still be drawing, and what it draws
// reaches the display later still. The last picture either way, for the
// test's own checks and messages.
template <class Check>
QImage screenWhen(Check&& shows) {
  QImage picture;
  QTest::qWaitFor(
      [&] {
        picture = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        return shows(picture);
      },
      waitLimitMs);
  return picture;
}

}  // namespace ornival::testing
