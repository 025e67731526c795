#pragma once

#include "figures/catalogue/Shapes.h"
#include "platform/Color.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class QAction;
class QImage;
class QPainter;
class QActionGroup;
class QToolBar;
class QToolButton;

namespace ornival {

class ColorWell;
class Figure;

// The document window's toolbar: which items it may hold, each made once
// and kept, and the pictures of the two figure buttons kept in step with the
// selected tool, its colour and the rounding settings.
//
// Buttons act as the mouse goes down, not up. Two have a long press of their
// own: the colour well opens the colour popover after 0.4 s, the dimension
// button the border or surface popover after 0.2 s. A long press on the
// dimension button does not switch the dimension as well: holding the button
// is asking for its settings, and the view should not change under them. A
// short press switches it as the button comes up.
//
// The toolbar's items and their order can be customised; they are saved in
// QSettings and restored for every new window.
class ToolbarDelegate : public QObject {
  Q_OBJECT

public:
  // What the items ask for: an action by name with a tag (the figure number
  // of a tool), and the long presses.
  struct Handlers {
    std::function<void(const std::string& action, int tag, QWidget* sender)> send;
    std::function<void(QWidget* sender)> colorLongPress;
    std::function<void(QWidget* sender)> dimensionLongPress;
  };

  ToolbarDelegate(QToolBar& toolbar, Handlers handlers);
  ~ToolbarDelegate() override;

  QToolBar& toolbar() const { return toolbar_; }

  // The item of an identifier, made on first request and kept; spaces are
  // made new each time. None for an identifier the toolbar does not know.
  QAction* makeToolbarItem(const std::string& identifier);
  // The items in the toolbar now, by identifier.
  std::vector<std::string> currentItems() const { return current_; }
  // Fills the toolbar with these items and saves the choice.
  void setItems(const std::vector<std::string>& identifiers);
  // The saved toolbar, or the default one.
  static std::vector<std::string> savedItems();
  // Lets the user choose the items.
  void customize();

  // The selected tool, checked in the toolbar; none checks nothing.
  void setSelectedTool(std::optional<Shapes> tool);
  std::optional<Shapes> selectedTool() const { return selectedTool_; }
  // The tool item's text: its count, or the figure's name.
  void setToolLabel(Shapes tool, const std::string& label);

  void setDimension(int dimension);
  int dimension() const { return dimension_; }
  void setCountTitle(const QString& title);
  void setShapeColor(const Color& color);
  void setCornerFactor(int which, double value);
  void setScaleLabel(const QString& label);
  void setRotateLabel(const QString& label);

  // Draws the Shapes and Border buttons' pictures again.
  void updateToolImages();

  ColorWell* colorWell() const { return colorWell_; }
  QToolButton* countButton() const { return countButton_; }
  QToolButton* dimensionButton() const { return dimensionButton_; }
  QToolButton* shapesButton() const { return shapesButton_; }
  QToolButton* borderButton() const { return borderButton_; }

  // A figure drawn as the toolbar draws it, into a square of `pixels`: its
  // rounded fill, then its rounded outline in the text colour.
  static QImage figureImage(const Figure& figure, const Color& fill, double shapeFactor, double shapeLimit,
                            double borderFactor, double borderLimit, int pixels, const QColor& outline);
  static void paintFigureImage(QPainter& painter, const Figure& figure, const Color& fill, double shapeFactor,
                               double shapeLimit, double borderFactor, double borderLimit, int size,
                               const QColor& outline);
  // The picture of a figure's tool item, drawn at the screen's density.
  static QIcon toolIcon(const Figure& figure);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QToolButton* makeButton(const QString& text, const std::string& action, int width);
  void connectPress(QWidget* button, std::function<void()> action);

  QToolBar& toolbar_;
  Handlers handlers_;
  std::unordered_map<std::string, QAction*> items_;
  // Labels given before their items were made.
  std::unordered_map<int, std::string> toolLabels_;
  std::vector<std::string> current_;
  QActionGroup* tools_;
  std::optional<Shapes> selectedTool_;
  int dimension_ = 2;
  Color shapeColor_ = Color::white();
  double factors_[4] = {1.0, 1.0, 1.0, 1.0};  // shape factor, shape limit, border factor, border limit
  QPointer<ColorWell> colorWell_;
  QPointer<QToolButton> countButton_;
  QPointer<QToolButton> dimensionButton_;
  QPointer<QToolButton> shapesButton_;
  QPointer<QToolButton> borderButton_;
  QPointer<QToolButton> scaleButton_;
  QPointer<QToolButton> rotateButton_;
  // The labels the document gave before their items were made.
  QString scaleLabel_;
  QString rotateLabel_;
  // Buttons that act on press, and the long presses under way.
  std::unordered_map<QObject*, std::function<void()>> pressActions_;
  struct LongPress;
  std::unordered_map<QObject*, std::unique_ptr<LongPress>> longPresses_;
};

}  // namespace ornival
