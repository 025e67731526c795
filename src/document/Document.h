#pragma once

#include "document/DocumentSettings.h"
#include "document/DocumentWindow.h"
#include "model/CrossingStatus.h"
#include "model/ShapeInfo.h"
#include "platform/Color.h"
#include "platform/Path.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ornival {

class DocumentEditor;
class Shape;
class UndoManager;

// The value of a setting reached by its name.
using SettingValue = std::variant<bool, int, double, Color, CrossingStatus>;

// The document of one window: its display and export settings, each change
// pushed into the editor, the toolbar and the window controller, and every
// display setting undoable under its action name.
//
// Settings are reachable by name (value, setValue) and observable (addObserver)
// so that controls can bind to them. A setter given the value already held
// does nothing, apart from the border and ambient settings, which refresh the
// editor every time. Values that are not finite never reach a setting: the
// setter leaves the value as it is.
//
// Main thread only.
class Document : public std::enable_shared_from_this<Document> {
public:
  static std::shared_ptr<Document> create();
  ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  // The window controller and the editor; both links are weak.
  std::shared_ptr<DocumentWindow> windowController() const { return windowController_.lock(); }
  void setWindowController(std::weak_ptr<DocumentWindow> window) { windowController_ = std::move(window); }
  std::shared_ptr<DocumentEditor> viewController() const { return viewController_.lock(); }
  void setViewController(std::weak_ptr<DocumentEditor> editor) { viewController_ = std::move(editor); }
  // The window's undo manager; without one nothing is registered.
  const std::shared_ptr<UndoManager>& undoManager() const { return undoManager_; }
  void setUndoManager(std::shared_ptr<UndoManager> undoManager) { undoManager_ = std::move(undoManager); }

  // Tiles read from a file, waiting for the editor to take them over.
  std::vector<std::shared_ptr<Shape>> model;

  // Bitmap exports: size in pixels and pixels per canvas unit. Changing one
  // keeps the others in step with the page (the export size rule).
  int exportWidth() const { return exportWidth_; }
  void setExportWidth(int width);
  int exportHeight() const { return exportHeight_; }
  void setExportHeight(int height);
  double exportScale() const { return exportScale_; }
  void setExportScale(double scale);
  bool exportAlpha() const { return exportAlpha_; }
  void setExportAlpha(bool alpha);

  // Zoom of the view, kept within ±400 (0 is refused); no undo.
  double scale() const { return scale_; }
  void setScale(double scale);
  // Rotation of the view in degrees, kept within ±180; no undo.
  double rotation() const { return rotation_; }
  void setRotation(double degrees);

  const Color& backgroundColor() const { return backgroundColor_; }
  void setBackgroundColor(const Color& color);
  // The tool colour and layer last set, which stand for shapeColor and
  // layerIndex while no editor is attached.
  const Color& lastShapeColor() const { return lastShapeColor_; }
  int lastLayerIndex() const { return lastLayerIndex_; }

  // Corner rounding of the tile fills and the border bands; tiles hold twice
  // the factors and the limits as they are.
  double shapeBezierFactor() const { return shapeBezierFactor_; }
  void setShapeBezierFactor(double factor);
  double shapeRadiusLimit() const { return shapeRadiusLimit_; }
  void setShapeRadiusLimit(double limit);
  double borderBezierFactor() const { return borderBezierFactor_; }
  void setBorderBezierFactor(double factor);
  double borderRadiusLimit() const { return borderRadiusLimit_; }
  void setBorderRadiusLimit(double limit);

  // The relief.
  double surfaceRoundness() const { return surfaceRoundness_; }
  void setSurfaceRoundness(double roundness);
  double surfaceZscale() const { return surfaceZscale_; }
  void setSurfaceZscale(double zscale);
  double metalness() const { return metalness_; }
  void setMetalness(double metalness);
  double roughness() const { return roughness_; }
  void setRoughness(double roughness);
  double ripple() const { return ripple_; }
  void setRipple(double ripple);
  double rippleScale() const { return rippleScale_; }
  void setRippleScale(double scale);
  double lightAngleX() const { return lightAngleX_; }
  void setLightAngleX(double angle);
  double lightAngleY() const { return lightAngleY_; }
  void setLightAngleY(double angle);
  double lightAngleZ() const { return lightAngleZ_; }
  void setLightAngleZ(double angle);

  // The page frame set by hand; empty means automatic. The editor writes it.
  Rect pageBounds;

  // The three border bands.
  const Color& borderColor() const { return borderColor_; }
  void setBorderColor(const Color& color);
  const Color& borderColor2() const { return borderColor2_; }
  void setBorderColor2(const Color& color);
  const Color& borderColor3() const { return borderColor3_; }
  void setBorderColor3(const Color& color);
  double borderWidth() const { return borderWidth_; }
  void setBorderWidth(double width);
  double borderWidth2() const { return borderWidth2_; }
  void setBorderWidth2(double width);
  double borderWidth3() const { return borderWidth3_; }
  void setBorderWidth3(double width);
  // Round joins, else mitre joins.
  bool borderLineStyle() const { return borderLineStyle_; }
  void setBorderLineStyle(bool round);

  const Color& ambientColor() const { return ambientColor_; }
  void setAmbientColor(const Color& color);
  // The brightness of the ambient colour; setting it keeps hue, saturation
  // and opacity. Refused outside 0…1.
  double ambientBrightness() const;
  void setAmbientBrightness(double brightness);

  // 2 the flat drawing, 3 the relief.
  int displayMode() const { return displayMode_; }
  void setDisplayMode(int mode);
  CrossingStatus crossings() const { return crossings_; }
  void setCrossings(CrossingStatus crossings);
  // The raw value of crossings; values other than 0, 1 and 2 are ignored.
  int crossingsValue() const { return int(crossings_); }
  void setCrossingsValue(int value);

  // The colour of the first marked tile, else the editor's tool colour; the
  // setter recolours the marked tiles and sets the tool colour.
  Color shapeColor() const;
  void setShapeColor(const Color& color);
  // The same for the layer index.
  int layerIndex() const;
  void setLayerIndex(int index);
  // Gives the tile at info's index the colour and layer index of the record;
  // the undo step of every colour or layer change of a tile.
  void changeShapeColors(const ShapeInfo& info);

  // The export scale that fits the page's larger side to 13500 pixels, or to
  // 2048 pixels, with the export size to match. Nothing without an editor.
  void changeExportScale();
  void changeExportSize();

  // Figures of the editor's tiling; 0 (and hidden) without an editor.
  int shapeCount() const;
  int selectedShapeCount() const;
  bool hideSelectedShapeCount() const;
  // Sides, a glued pair counted once.
  int edgeCount() const;
  int vertexCount() const;
  // Segments of the outline of free sides.
  int perimeter() const;

  // The settings to save: the tool colour is the one shown.
  DocumentSettings fileSettings() const;
  // The text to save: these tiles (the editor's, handed over while the user
  // waits) with the settings. Without an editor no tile can be placed in a
  // tree, and only the settings are written; the save path refuses that case.
  std::string documentText(const std::vector<std::shared_ptr<Shape>>& tiles) const;
  // Takes the settings read from a file through the setters, with undo
  // registration switched off.
  void applyFileSettings(const DocumentSettings& settings);

  // Access by name: every setting, the derived values and the figures above
  // (read-only). value is none for an unknown name; setValue refuses an
  // unknown or read-only name and a value of another type (a whole number
  // goes into a fractional setting, and a whole double into an integer one).
  static const std::vector<std::string_view>& keys();
  std::optional<SettingValue> value(std::string_view key) const;
  bool setValue(std::string_view key, const SettingValue& value);
  static bool isReadOnly(std::string_view key);

  // Change notices: the prior one before a value changes, the other after it
  // and after everything the change pushes along. An empty key observes every
  // key. Observers may come and go while being notified.
  enum class ChangePhase { prior, after };
  using Observer = std::function<void(std::string_view key, ChangePhase phase)>;
  using ObserverId = std::uint64_t;
  ObserverId addObserver(std::string key, Observer observer);
  void removeObserver(ObserverId id);
  // Sent by the document, and by the editor for values it changes itself.
  void willChangeValue(std::string_view key);
  void didChangeValue(std::string_view key);

private:
  Document() = default;

  template <typename T>
  struct Undoable;
  template <typename T>
  void change(const Undoable<T>& setting, const T& value);
  void registerInverse(std::function<void(Document&)> step, const char* actionName);
  void notify(std::string_view key, ChangePhase phase);

  void cornerFactorDidChange(DocumentWindow::CornerFactor factor, double value);
  std::optional<Vec2> exportPage() const;
  void storeExportScale(double scale);
  void storeExportSize(std::optional<int> width, std::optional<int> height);
  void fitExport(double pixels);

  std::weak_ptr<DocumentWindow> windowController_;
  std::weak_ptr<DocumentEditor> viewController_;
  std::shared_ptr<UndoManager> undoManager_;

  int exportWidth_ = 0;
  int exportHeight_ = 0;
  double exportScale_ = 4.0;
  bool exportAlpha_ = true;
  double scale_ = 20.0;
  double rotation_ = 0.0;
  Color backgroundColor_ = DocumentSettings().backgroundColor;
  Color lastShapeColor_ = Color::white();
  double shapeBezierFactor_ = 1.0;
  double shapeRadiusLimit_ = 1.0;
  double borderBezierFactor_ = 1.0;
  double borderRadiusLimit_ = 1.0;
  double surfaceRoundness_ = 1.0;
  double surfaceZscale_ = 1.0;
  double metalness_ = 0.5;
  double roughness_ = 0.5;
  double ripple_ = 0.0;
  double rippleScale_ = 0.0;
  double lightAngleX_ = 0.0;
  double lightAngleY_ = 0.0;
  double lightAngleZ_ = 0.0;
  Color borderColor_ = Color::black();
  Color borderColor2_ = Color::white();
  Color borderColor3_ = Color::black();
  double borderWidth_ = 2.0;
  double borderWidth2_ = 0.0;
  double borderWidth3_ = 0.0;
  bool borderLineStyle_ = false;
  Color ambientColor_ = DocumentSettings().ambientColor;
  int displayMode_ = 2;
  CrossingStatus crossings_ = CrossingStatus::off;
  int lastLayerIndex_ = 0;

  struct ObserverEntry;
  std::vector<std::shared_ptr<ObserverEntry>> observers_;
  ObserverId nextObserverId_ = 1;
};

}  // namespace ornival
