#pragma once

#include "app/ColorWell.h"
#include "app/SettingBinder.h"

#include <QFrame>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QColorDialog;
class QFormLayout;
class QMainWindow;
class QScrollArea;
class QVBoxLayout;
class QSlider;

namespace ornival {

class Document;

// One settings popover of the document window. While shown it represents
// the window's document and its controls are bound to the document's
// settings; closed, it represents none.
//
// A transient popover is a popup of the document window: it closes on a click
// outside it or on Escape, and it opens where it is placed relative to the
// window on every desktop, Wayland's too, where only popups may choose their
// place. A click in another window would close it, so its colour wells
// choose their colours in a chooser inside it rather than in the colour
// dialog. The pointer's movement, which the popup holds while open, reaches
// the editor beneath.
// An application-defined one is a panel inside the document window that
// stays open until it is closed, so that the pointer may go on hovering and
// dragging over the page beneath it; the pointer's movement over it reaches
// the editor.
class Popover : public QFrame, public ColorChooserHost {
  Q_OBJECT

public:
  enum class Behaviour { transient, applicationDefined };

  Popover(const QString& title, Behaviour behaviour, SettingBinder::Perform perform,
          std::function<void(bool)> gesture, QWidget* parent);
  ~Popover() override;

  Behaviour behaviour() const { return behaviour_; }
  SettingBinder& binder() { return binder_; }
  std::shared_ptr<Document> representedDocument() const { return binder_.document(); }
  virtual void setRepresentedDocument(std::shared_ptr<Document> document);
  // Called before each showing, with the document represented.
  virtual void willAppear() {}

  // Pointer movement over the popover, in global coordinates.
  std::function<void(QPointF globalPoint, Qt::KeyboardModifiers modifiers)> mouseMoved;
  // After it closed and let go of its document.
  std::function<void()> didClose;

  // The form the controls go in.
  QFormLayout* form() const { return form_; }
  // A command of a row: a small button beside it and an entry of its
  // slider's context menu, which send the window's action.
  struct RowCommand {
    std::string action;
    QString symbol;
    // What it does, as a whole sentence: the tooltip, the accessible name
    // and the menu entry.
    QString description;
  };
  // A row of a slider and a number box, both bound to the setting, and the
  // row's commands (its reset, say).
  QSlider* addNumberRow(const QString& label, const std::string& key, double minimum, double maximum, double step,
                        int decimals, const std::vector<RowCommand>& commands = {});
  // Sends a window action on the popover's behalf (the rows' resets).
  std::function<void(const std::string& action)> command;

  // ColorChooserHost: a transient popover's wells choose in its own chooser.
  void chooseColor(ColorWell& well) override;
  bool isChoosing(const ColorWell& well) const override;
  void stopChoosing(const ColorWell& well) override;
  // The chooser, once a well asked for it.
  QColorDialog* colorChooser() const { return chooser_; }

  // Takes the size its controls ask for, no larger than the screen.
  void fitToContents();
  // The size it grows to while shown, when all it may open is open: with the
  // chooser, for a transient popover with colour wells; else its size. Measured
  // while hidden, and left as it was; while shown, its size.
  QSize grownSize();
  // After its size changed while shown (the chooser opened): back on the
  // screen where it would reach over the edge.
  std::function<void()> grew;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

private:
  void makeChooser();

  Behaviour behaviour_;
  SettingBinder binder_;
  QScrollArea* scroll_;
  QVBoxLayout* body_;
  QFormLayout* form_;
  QColorDialog* chooser_ = nullptr;
  QPointer<ColorWell> choosing_;
};

// Where a popup opens: centred under its anchor (the control that asked for
// it), else with its corner at a point of the window; kept on the screen
// where the program places its windows itself, and within the window on
// Wayland, where the window's place on the screen is not known.
struct PopupAnchor {
  QPointer<QWidget> widget;
  QPoint point;  // global; used without a widget
};
// `grown`, when larger than the popup, is the size it is kept in the room
// for: a shown popup that grows cannot be moved back on Wayland.
QPoint popupPlace(const QWidget& popup, const PopupAnchor& anchor, QSize grown = {});
// Whether the program may place windows itself and knows where they are.
bool placesWindowsItself();

// Shows the window's popovers: one at a time per popover, a transient one at
// its anchor, a panel in the window's top right corner.
class PopoverHost {
public:
  explicit PopoverHost(QMainWindow& window) : window_(window) {}

  // Nothing when the popover is shown already.
  void show(Popover& popover, const PopupAnchor& anchor, std::shared_ptr<Document> document);
  static void close(Popover& popover);

private:
  QMainWindow& window_;
};

}  // namespace ornival
