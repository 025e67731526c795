#pragma once

#include "app/SettingBinder.h"

#include <QFrame>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QFormLayout;
class QMainWindow;
class QSlider;

namespace ornival {

class Document;

// One settings popover of the document window. While shown it represents
// the window's document and its controls are bound to the document's
// settings; closed, it represents none.
//
// A transient popover is a frameless window over the document window that
// closes on a click outside it or on Escape. It is not a Qt popup: a popup
// closes as soon as the colour dialog opened from one of its wells takes a
// click, and the dialog would then edit nothing. Clicks in the colour dialog
// leave it open.
// An application-defined one is a panel inside the document window that
// stays open until it is closed, so that the pointer may go on hovering and
// dragging over the page beneath it; the pointer's movement over it reaches
// the editor.
class Popover : public QFrame {
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

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

private:
  Behaviour behaviour_;
  SettingBinder binder_;
  QFormLayout* form_;
};

// Shows the window's popovers: one at a time per popover, anchored under
// the control that asked, or in the window's top right corner.
class PopoverHost {
public:
  explicit PopoverHost(QMainWindow& window) : window_(window) {}

  // Nothing when the popover is shown already.
  void show(Popover& popover, QWidget* anchor, std::shared_ptr<Document> document);
  static void close(Popover& popover);

private:
  QMainWindow& window_;
};

}  // namespace ornival
