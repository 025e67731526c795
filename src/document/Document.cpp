#include "document/Document.h"

#include "document/DocumentEditor.h"
#include "document/DocumentWriter.h"
#include "model/Edge.h"
#include "model/Graph.h"
#include "model/Shape.h"
#include "platform/Localization.h"
#include "platform/NumberText.h"
#include "platform/UndoManager.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ornival {

// One undoable setting: where it is stored, its name for observers and for
// the undo menu, and what it pushes along after the store.
template <typename T>
struct Document::Undoable {
  std::string_view key = {};
  T Document::*field = nullptr;
  const char* actionName = nullptr;
  // Runs after the store; also when the value was unchanged if so marked.
  void (*effect)(Document&, const T& previous) = nullptr;
  bool effectWhenUnchanged = false;
  // A derived value that changes with this one.
  std::string_view alsoNotifies = {};
  // The tile fills change shape, and with them the outline of the marked
  // tiles.
  bool refreshesMarkLayer = false;
};

struct Document::ObserverEntry {
  ObserverId id;
  std::string key;
  Observer observer;
  bool removed = false;
};

namespace {

bool isFinite(bool) { return true; }
bool isFinite(int) { return true; }
bool isFinite(CrossingStatus) { return true; }
bool isFinite(double v) { return std::isfinite(v); }
bool isFinite(const Color& c) {
  return std::isfinite(c.red) && std::isfinite(c.green) && std::isfinite(c.blue) && std::isfinite(c.alpha);
}

// A pixel count from a computed size: none when it is not finite or does not
// fit.
std::optional<int> pixels(double value) {
  const double rounded = std::round(value);
  if (!std::isfinite(rounded) || rounded < double(std::numeric_limits<int>::min()) ||
      rounded > double(std::numeric_limits<int>::max()))
    return std::nullopt;
  return int(rounded);
}

struct Hsv {
  double hue = 0.0;  // 0 ..< 6, in sixths of a turn
  double saturation = 0.0;
  double value = 0.0;
};

Hsv toHsv(const Color& c) {
  const double max = std::max({c.red, c.green, c.blue});
  const double min = std::min({c.red, c.green, c.blue});
  const double delta = max - min;
  Hsv hsv{0.0, max > 0.0 ? delta / max : 0.0, max};
  if (delta > 0.0) {
    if (max == c.red)
      hsv.hue = std::fmod((c.green - c.blue) / delta + 6.0, 6.0);
    else if (max == c.green)
      hsv.hue = (c.blue - c.red) / delta + 2.0;
    else
      hsv.hue = (c.red - c.green) / delta + 4.0;
  }
  return hsv;
}

Color fromHsv(const Hsv& hsv, double alpha) {
  const double chroma = hsv.value * hsv.saturation;
  const double x = chroma * (1.0 - std::fabs(std::fmod(hsv.hue, 2.0) - 1.0));
  const double m = hsv.value - chroma;
  double r = 0.0, g = 0.0, b = 0.0;
  switch (int(hsv.hue) % 6) {
    case 0:
      r = chroma, g = x;
      break;
    case 1:
      r = x, g = chroma;
      break;
    case 2:
      g = chroma, b = x;
      break;
    case 3:
      g = x, b = chroma;
      break;
    case 4:
      r = x, b = chroma;
      break;
    default:
      r = chroma, b = x;
      break;
  }
  return {r + m, g + m, b + m, alpha};
}

template <typename Call>
void withEditor(const Document& d, Call call) {
  if (const auto editor = d.viewController())
    call(*editor);
}

}  // namespace

std::shared_ptr<Document> Document::create() { return std::shared_ptr<Document>(new Document()); }

Document::~Document() = default;

// The undoable setter: compare, register the inverse, store, push along.
template <typename T>
void Document::change(const Undoable<T>& setting, const T& value) {
  if (!isFinite(value))
    return;
  T& field = this->*setting.field;
  if (field == value) {
    if (setting.effectWhenUnchanged)
      setting.effect(*this, field);
    return;
  }
  const T previous = field;
  const auto editor = viewController();
  if (setting.refreshesMarkLayer && editor) {
    // Registered first, so that it runs after the factor is back.
    if (UndoManager* undo = editor->undoManager()) {
      std::weak_ptr<DocumentEditor> weakEditor = editor;
      undo->registerRefresh(editor.get(), [weakEditor] {
        if (const auto e = weakEditor.lock())
          e->updateMarkLayer();
      });
    }
  }
  registerInverse([&setting, previous](Document& d) { d.change(setting, previous); }, setting.actionName);
  notify(setting.key, ChangePhase::prior);
  if (!setting.alsoNotifies.empty())
    notify(setting.alsoNotifies, ChangePhase::prior);
  field = value;
  if (setting.effect)
    setting.effect(*this, previous);
  // Only now do the fills have their new corners for the outline to follow.
  if (setting.refreshesMarkLayer && editor)
    editor->updateMarkLayer();
  if (!setting.alsoNotifies.empty())
    notify(setting.alsoNotifies, ChangePhase::after);
  notify(setting.key, ChangePhase::after);
}

void Document::registerInverse(std::function<void(Document&)> step, const char* actionName) {
  UndoManager* undo = undoManager_.get();
  if (!undo)
    return;
  std::weak_ptr<Document> weakSelf = weak_from_this();
  undo->registerUndo(this, [weakSelf, step = std::move(step)] {
    if (const auto self = weakSelf.lock())
      step(*self);
  });
  if (!undo->isUndoing())
    undo->setActionName(localized("Undo", actionName));
}

// Export settings -----------------------------------------------------------

std::optional<Vec2> Document::exportPage() const {
  const auto editor = viewController();
  if (!editor)
    return std::nullopt;
  const Vec2 size = editor->snappedPageBounds().size;
  // A page without area has no aspect to keep and no scale to fit.
  if (!(std::isfinite(size.x) && std::isfinite(size.y) && size.x > 0.0 && size.y > 0.0))
    return std::nullopt;
  return size;
}

void Document::storeExportScale(double scale) {
  if (scale == exportScale_)
    return;
  notify("exportScale", ChangePhase::prior);
  exportScale_ = scale;
  notify("exportScale", ChangePhase::after);
}

void Document::storeExportSize(std::optional<int> width, std::optional<int> height) {
  if (width && *width != exportWidth_) {
    notify("exportWidth", ChangePhase::prior);
    exportWidth_ = *width;
    notify("exportWidth", ChangePhase::after);
  }
  if (height && *height != exportHeight_) {
    notify("exportHeight", ChangePhase::prior);
    exportHeight_ = *height;
    notify("exportHeight", ChangePhase::after);
  }
}

// Narrowing a side below the page's aspect narrows the other with it; the
// side typed stays as typed rather than coming back rounded from the scale.
void Document::setExportWidth(int width) {
  if (width == exportWidth_)
    return;
  std::optional<double> scale;
  std::optional<int> height;
  if (const auto page = exportPage(); page && double(width) / page->x < double(exportHeight_) / page->y) {
    scale = double(width) / page->x;
    height = pixels(page->y * *scale);
    if (!height)
      return;
  }
  notify("exportWidth", ChangePhase::prior);
  exportWidth_ = width;
  if (scale) {
    storeExportScale(*scale);
    storeExportSize(std::nullopt, height);
  }
  notify("exportWidth", ChangePhase::after);
}

void Document::setExportHeight(int height) {
  if (height == exportHeight_)
    return;
  std::optional<double> scale;
  std::optional<int> width;
  if (const auto page = exportPage(); page && double(height) / page->y < double(exportWidth_) / page->x) {
    scale = double(height) / page->y;
    width = pixels(page->x * *scale);
    if (!width)
      return;
  }
  notify("exportHeight", ChangePhase::prior);
  exportHeight_ = height;
  if (scale) {
    storeExportScale(*scale);
    storeExportSize(width, std::nullopt);
  }
  notify("exportHeight", ChangePhase::after);
}

void Document::setExportScale(double scale) {
  if (!std::isfinite(scale) || scale == exportScale_)
    return;
  std::optional<int> width;
  std::optional<int> height;
  if (const auto page = exportPage()) {
    width = pixels(page->x * scale);
    height = pixels(page->y * scale);
    if (!width || !height)
      return;
  }
  notify("exportScale", ChangePhase::prior);
  exportScale_ = scale;
  storeExportSize(width, height);
  notify("exportScale", ChangePhase::after);
}

void Document::setExportAlpha(bool alpha) {
  if (alpha == exportAlpha_)
    return;
  notify("exportAlpha", ChangePhase::prior);
  exportAlpha_ = alpha;
  notify("exportAlpha", ChangePhase::after);
}

// The size follows even when the scale already had the fitted value: the
// user may have typed another size since.
void Document::fitExport(double pixelsOnLargerSide) {
  const auto page = exportPage();
  if (!page)
    return;
  const double scale = pixelsOnLargerSide / std::max(page->x, page->y);
  const auto width = pixels(page->x * scale);
  const auto height = pixels(page->y * scale);
  if (!std::isfinite(scale) || !width || !height)
    return;
  storeExportScale(scale);
  storeExportSize(width, height);
}

void Document::changeExportScale() { fitExport(13500.0); }

void Document::changeExportSize() { fitExport(2048.0); }

// Zoom and rotation ---------------------------------------------------------

// The editor's zoom may have moved away from the document's (the scroll wheel
// zooms the editor only), so the value goes to the editor even when the
// document holds it already.
void Document::setScale(double scale) {
  // A zoom of 0 would make the view's transform singular.
  if (!std::isfinite(scale) || scale == 0.0)
    return;
  scale = std::clamp(scale, -400.0, 400.0);
  const bool changed = scale != scale_;
  if (changed)
    notify("scale", ChangePhase::prior);
  scale_ = scale;
  withEditor(*this, [&](DocumentEditor& editor) {
    if (editor.scale() == scale)
      return;
    editor.setScale(scale);
    editor.updateViewTransform(editor.animateScale(), 0.4);
  });
  if (const auto window = windowController())
    window->setScaleLabel(
        formatText(localized("Toolbar", "Scale: %1"), {formatInteger(std::int64_t(std::trunc(scale)))}));
  if (changed)
    notify("scale", ChangePhase::after);
}

void Document::setRotation(double degrees) {
  if (!std::isfinite(degrees))
    return;
  if (degrees > 180.0 || degrees < -180.0) {
    degrees = std::fmod(degrees, 360.0);
    if (degrees > 180.0)
      degrees -= 360.0;
    else if (degrees < -180.0)
      degrees += 360.0;
  }
  const bool changed = degrees != rotation_;
  if (changed)
    notify("rotation", ChangePhase::prior);
  rotation_ = degrees;
  withEditor(*this, [&](DocumentEditor& editor) {
    if (editor.rotation() == degrees)
      return;
    editor.setRotation(degrees);
    editor.updateViewTransform(false, 1.0);
    editor.resnapPageBounds();
  });
  if (const auto window = windowController())
    window->setRotateLabel(
        formatText(localized("Toolbar", "Rotate: %1°"),
                   {formatInteger(std::int64_t(std::trunc(window->shownRotation(degrees))))}));
  if (changed)
    notify("rotation", ChangePhase::after);
}

// Undoable settings ---------------------------------------------------------

void Document::setBackgroundColor(const Color& color) {
  static const Undoable<Color> setting{.key = "backgroundColor",
                                       .field = &Document::backgroundColor_,
                                       .actionName = ORNIVAL_TEXT("Undo", "Change Background Color"),
                                       .effect = [](Document& d, const Color&) {
                                         const Color& c = d.backgroundColor_;
                                         withEditor(d,
                                                    [&](DocumentEditor& editor) { editor.setViewBackgroundColor(c); });
                                         d.setExportAlpha(c.alpha != 1.0);
                                       }};
  change(setting, color);
}

void Document::cornerFactorDidChange(DocumentWindow::CornerFactor factor, double value) {
  if (const auto window = windowController())
    window->setCornerFactor(factor, value);
  withEditor(*this, [&](DocumentEditor& editor) {
    for (const auto& tile : editor.graph().shapes()) {
      tile->borderBezierFactor = 2.0 * borderBezierFactor_;
      tile->borderRadiusLimit = borderRadiusLimit_;
      tile->shapeBezierFactor = 2.0 * shapeBezierFactor_;
      tile->shapeRadiusLimit = shapeRadiusLimit_;
      tile->configureLayers(false);
    }
    editor.updateCrossingLayers();
  });
}

void Document::setShapeBezierFactor(double factor) {
  static const Undoable<double> setting{.key = "shapeBezierFactor",
                                        .field = &Document::shapeBezierFactor_,
                                        .actionName = ORNIVAL_TEXT("Undo", "Change Shape Factor"),
                                        .effect =
                                            [](Document& d, const double&) {
                                              d.cornerFactorDidChange(DocumentWindow::CornerFactor::shapeFactor,
                                                                      d.shapeBezierFactor_);
                                            },
                                        .refreshesMarkLayer = true};
  change(setting, factor);
}

void Document::setShapeRadiusLimit(double limit) {
  static const Undoable<double> setting{.key = "shapeRadiusLimit",
                                        .field = &Document::shapeRadiusLimit_,
                                        .actionName = ORNIVAL_TEXT("Undo", "Change Shape Radius Limit"),
                                        .effect = [](Document& d, const double&) {
                                          d.cornerFactorDidChange(DocumentWindow::CornerFactor::shapeRadiusLimit,
                                                                  d.shapeRadiusLimit_);
                                        }};
  change(setting, limit);
}

void Document::setBorderBezierFactor(double factor) {
  static const Undoable<double> setting{.key = "borderBezierFactor",
                                        .field = &Document::borderBezierFactor_,
                                        .actionName = ORNIVAL_TEXT("Undo", "Change Border Factor"),
                                        .effect = [](Document& d, const double&) {
                                          d.cornerFactorDidChange(DocumentWindow::CornerFactor::borderFactor,
                                                                  d.borderBezierFactor_);
                                        }};
  change(setting, factor);
}

void Document::setBorderRadiusLimit(double limit) {
  static const Undoable<double> setting{.key = "borderRadiusLimit",
                                        .field = &Document::borderRadiusLimit_,
                                        .actionName = ORNIVAL_TEXT("Undo", "Change Border Radius Limit"),
                                        .effect = [](Document& d, const double&) {
                                          d.cornerFactorDidChange(DocumentWindow::CornerFactor::borderRadiusLimit,
                                                                  d.borderRadiusLimit_);
                                        }};
  change(setting, limit);
}

void Document::setSurfaceRoundness(double roundness) {
  static const Undoable<double> setting{.key = "surfaceRoundness",
                                        .field = &Document::surfaceRoundness_,
                                        .actionName = ORNIVAL_TEXT("Undo", "Change Surface Roundness"),
                                        .effect = [](Document& d, const double&) {
                                          withEditor(d, [&](DocumentEditor& editor) {
                                            // A tile rebuilds its solid, when it has one, with the new creases.
                                            for (const auto& tile : editor.graph().shapes())
                                              tile->setSurfaceRoundness(d.surfaceRoundness_);
                                            editor.updateFlatNode();
                                          });
                                        }};
  change(setting, roundness);
}

namespace {

// The effect of a relief setting: the editor pushes it into the scene.
template <void (DocumentEditor::*update)()>
void updateEditor(Document& d, const double&) {
  withEditor(d, [](DocumentEditor& e) { (e.*update)(); });
}

// The effect of a band setting, run even when the value is the same.
template <typename T>
void refreshLines(Document& d, const T&) {
  withEditor(d, [](DocumentEditor& e) { e.updateLineAttributes(); });
}

}  // namespace

void Document::setSurfaceZscale(double zscale) {
  static const Undoable<double> setting{.key = "surfaceZscale",
                                        .field = &Document::surfaceZscale_,
                                        .actionName = ORNIVAL_TEXT("Undo", "Change Surface Z Scale"),
                                        .effect = &updateEditor<&DocumentEditor::updateSurfaceZScale>};
  change(setting, zscale);
}

void Document::setMetalness(double metalness) {
  static const Undoable<double> setting{.key = "metalness",
                                        .field = &Document::metalness_,
                                        .actionName = ORNIVAL_TEXT("Undo", "Change Metalness"),
                                        .effect = &updateEditor<&DocumentEditor::updateMetalness>};
  change(setting, metalness);
}

void Document::setRoughness(double roughness) {
  static const Undoable<double> setting{.key = "roughness",
                                        .field = &Document::roughness_,
                                        .actionName = ORNIVAL_TEXT("Undo", "Change Roughness"),
                                        .effect = &updateEditor<&DocumentEditor::updateRoughness>};
  change(setting, roughness);
}

void Document::setRipple(double ripple) {
  static const Undoable<double> setting{.key = "ripple",
                                        .field = &Document::ripple_,
                                        .actionName = ORNIVAL_TEXT("Undo", "Change Ripple"),
                                        .effect = &updateEditor<&DocumentEditor::updateRipple>};
  change(setting, ripple);
}

void Document::setRippleScale(double scale) {
  static const Undoable<double> setting{.key = "rippleScale",
                                        .field = &Document::rippleScale_,
                                        .actionName = ORNIVAL_TEXT("Undo", "Change Ripple Scale"),
                                        .effect = &updateEditor<&DocumentEditor::updateRippleScale>};
  change(setting, scale);
}

void Document::setLightAngleX(double angle) {
  static const Undoable<double> setting{.key = "lightAngleX",
                                        .field = &Document::lightAngleX_,
                                        .actionName = ORNIVAL_TEXT("Undo", "Change Light Angle X"),
                                        .effect = &updateEditor<&DocumentEditor::updateLightAngleX>};
  change(setting, angle);
}

void Document::setLightAngleY(double angle) {
  static const Undoable<double> setting{.key = "lightAngleY",
                                        .field = &Document::lightAngleY_,
                                        .actionName = ORNIVAL_TEXT("Undo", "Change Light Angle Y"),
                                        .effect = &updateEditor<&DocumentEditor::updateLightAngleY>};
  change(setting, angle);
}

void Document::setLightAngleZ(double angle) {
  static const Undoable<double> setting{.key = "lightAngleZ",
                                        .field = &Document::lightAngleZ_,
                                        .actionName = ORNIVAL_TEXT("Undo", "Change Light Angle Z"),
                                        .effect = &updateEditor<&DocumentEditor::updateLightAngleZ>};
  change(setting, angle);
}

void Document::setBorderColor(const Color& color) {
  static const Undoable<Color> setting{.key = "borderColor",
                                       .field = &Document::borderColor_,
                                       .actionName = ORNIVAL_TEXT("Undo", "Change Border Color"),
                                       .effect = &refreshLines<Color>,
                                       .effectWhenUnchanged = true};
  change(setting, color);
}

void Document::setBorderColor2(const Color& color) {
  static const Undoable<Color> setting{.key = "borderColor2",
                                       .field = &Document::borderColor2_,
                                       .actionName = ORNIVAL_TEXT("Undo", "Change Border Color"),
                                       .effect = &refreshLines<Color>,
                                       .effectWhenUnchanged = true};
  change(setting, color);
}

void Document::setBorderColor3(const Color& color) {
  static const Undoable<Color> setting{.key = "borderColor3",
                                       .field = &Document::borderColor3_,
                                       .actionName = ORNIVAL_TEXT("Undo", "Change Border Color"),
                                       .effect = &refreshLines<Color>,
                                       .effectWhenUnchanged = true};
  change(setting, color);
}

void Document::setBorderWidth(double width) {
  static const Undoable<double> setting{.key = "borderWidth",
                                        .field = &Document::borderWidth_,
                                        .actionName = ORNIVAL_TEXT("Undo", "Change Border Width"),
                                        .effect = &refreshLines<double>,
                                        .effectWhenUnchanged = true};
  change(setting, width);
}

void Document::setBorderWidth2(double width) {
  static const Undoable<double> setting{.key = "borderWidth2",
                                        .field = &Document::borderWidth2_,
                                        .actionName = ORNIVAL_TEXT("Undo", "Change Border Width"),
                                        .effect = &refreshLines<double>,
                                        .effectWhenUnchanged = true};
  change(setting, width);
}

void Document::setBorderWidth3(double width) {
  static const Undoable<double> setting{.key = "borderWidth3",
                                        .field = &Document::borderWidth3_,
                                        .actionName = ORNIVAL_TEXT("Undo", "Change Border Width"),
                                        .effect = &refreshLines<double>,
                                        .effectWhenUnchanged = true};
  change(setting, width);
}

void Document::setBorderLineStyle(bool round) {
  static const Undoable<bool> setting{
      .key = "borderLineStyle",
      .field = &Document::borderLineStyle_,
      .actionName = ORNIVAL_TEXT("Undo", "Change Border Line Style"),
      .effect = [](Document& d,
                   const bool&) { withEditor(d, [&](DocumentEditor& e) { e.updateLineJoin(d.borderLineStyle_); }); },
      .effectWhenUnchanged = true};
  change(setting, round);
}

void Document::setAmbientColor(const Color& color) {
  static const Undoable<Color> setting{
      .key = "ambientColor",
      .field = &Document::ambientColor_,
      .actionName = ORNIVAL_TEXT("Undo", "Change Ambient Light Color"),
      .effect =
          [](Document& d, const Color&) {
            withEditor(d, [&](DocumentEditor& e) { e.setAmbientLightColor(d.ambientColor_); });
          },
      .effectWhenUnchanged = true,
      .alsoNotifies = "ambientBrightness"};
  change(setting, color);
}

double Document::ambientBrightness() const { return toHsv(ambientColor_).value; }

void Document::setAmbientBrightness(double brightness) {
  // Outside 0…1 the colour would leave the range a colour can hold.
  if (!(brightness >= 0.0 && brightness <= 1.0) || brightness == ambientBrightness())
    return;
  Hsv hsv = toHsv(ambientColor_);
  hsv.value = brightness;
  setAmbientColor(fromHsv(hsv, ambientColor_.alpha));
}

void Document::setDisplayMode(int mode) {
  static const Undoable<int> setting{.key = "displayMode",
                                     .field = &Document::displayMode_,
                                     .actionName = ORNIVAL_TEXT("Undo", "Change Display Mode"),
                                     .effect = [](Document& d, const int&) {
                                       withEditor(d, [&](DocumentEditor& e) {
                                         const int previous = e.dimension();
                                         e.setDimension(d.displayMode_);
                                         e.dimensionDidSet(previous);
                                       });
                                     }};
  change(setting, mode);
}

void Document::setCrossings(CrossingStatus crossings) {
  static const Undoable<CrossingStatus> setting{.key = "crossings",
                                                .field = &Document::crossings_,
                                                .actionName = ORNIVAL_TEXT("Undo", "Change Crossings"),
                                                .effect =
                                                    [](Document& d, const CrossingStatus&) {
                                                      withEditor(d, [&](DocumentEditor& e) {
                                                        if (e.crossings() == d.crossings_)
                                                          return;
                                                        e.setCrossings(d.crossings_);
                                                        e.updateCrossingLayers();
                                                        e.updateCrossingsNode();
                                                      });
                                                    },
                                                .alsoNotifies = "crossingsValue"};
  change(setting, crossings);
}

void Document::setCrossingsValue(int value) {
  if (value < 0 || value > 2)
    return;
  setCrossings(CrossingStatus(value));
}

// Tool colour and layer -----------------------------------------------------

Color Document::shapeColor() const {
  const auto editor = viewController();
  if (!editor)
    return lastShapeColor_;
  for (const auto& tile : editor->graph().shapes()) {
    if (tile->marked)
      return tile->shapeColor();
  }
  return editor->shapeColor();
}

void Document::setShapeColor(const Color& color) {
  if (!isFinite(color))
    return;
  const auto editor = viewController();
  const auto recoloured = [&color](const std::shared_ptr<Shape>& tile) {
    return tile->marked && tile->shapeColor() != color;
  };
  bool changes = lastShapeColor_ != color;
  if (editor) {
    const auto& tiles = editor->graph().shapes();
    changes = changes || editor->shapeColor() != color || std::any_of(tiles.begin(), tiles.end(), recoloured);
  }
  if (!changes)
    return;
  notify("shapeColor", ChangePhase::prior);
  lastShapeColor_ = color;
  if (editor) {
    for (const auto& tile : editor->graph().shapes()) {
      if (!recoloured(tile))
        continue;
      registerInverse([info = tile->info()](Document& d) { d.changeShapeColors(info); },
                      ORNIVAL_TEXT("Undo", "Change Shape Color"));
      tile->setShapeColor(color);
    }
    if (editor->shapeColor() != color) {
      // The editor completes this notice once it has shown the colour.
      notify("shapeColor", ChangePhase::prior);
      const Color previous = editor->shapeColor();
      editor->setShapeColor(color);
      editor->shapeColorDidSet(previous);
    }
  }
  notify("shapeColor", ChangePhase::after);
}

int Document::layerIndex() const {
  const auto editor = viewController();
  if (!editor)
    return lastLayerIndex_;
  for (const auto& tile : editor->graph().shapes()) {
    if (tile->marked)
      return tile->layerIndex;
  }
  return editor->layerIndex();
}

void Document::setLayerIndex(int index) {
  const auto editor = viewController();
  const auto moved = [index](const std::shared_ptr<Shape>& tile) { return tile->marked && tile->layerIndex != index; };
  bool changes = lastLayerIndex_ != index;
  if (editor) {
    const auto& tiles = editor->graph().shapes();
    changes = changes || editor->layerIndex() != index || std::any_of(tiles.begin(), tiles.end(), moved);
  }
  if (!changes)
    return;
  notify("layerIndex", ChangePhase::prior);
  lastLayerIndex_ = index;
  if (editor) {
    for (const auto& tile : editor->graph().shapes()) {
      if (!moved(tile))
        continue;
      registerInverse([info = tile->info()](Document& d) { d.changeShapeColors(info); },
                      ORNIVAL_TEXT("Undo", "Change Layer Index"));
      tile->layerIndex = index;
    }
    editor->setLayerIndex(index);
  }
  notify("layerIndex", ChangePhase::after);
}

void Document::changeShapeColors(const ShapeInfo& info) {
  const auto editor = viewController();
  if (!editor)
    return;
  const auto& tiles = editor->graph().shapes();
  if (info.index < 0 || std::size_t(info.index) >= tiles.size())
    return;
  const std::shared_ptr<Shape> tile = tiles[std::size_t(info.index)];
  registerInverse([current = tile->info()](Document& d) { d.changeShapeColors(current); },
                  ORNIVAL_TEXT("Undo", "Change Shape Colors"));
  // A marked tile may be the one the derived colour and layer come from.
  const bool shown = tile->marked;
  if (shown) {
    notify("shapeColor", ChangePhase::prior);
    notify("layerIndex", ChangePhase::prior);
  }
  tile->setShapeColor(info.shapeColor);
  tile->layerIndex = info.layerIndex;
  editor->setNeedsUpdateNode();
  if (shown) {
    notify("layerIndex", ChangePhase::after);
    notify("shapeColor", ChangePhase::after);
  }
}

// Figures -------------------------------------------------------------------

int Document::shapeCount() const {
  const auto editor = viewController();
  return editor ? int(editor->graph().shapes().size()) : 0;
}

int Document::selectedShapeCount() const {
  const auto editor = viewController();
  if (!editor)
    return 0;
  const auto& tiles = editor->graph().shapes();
  return int(std::count_if(tiles.begin(), tiles.end(), [](const auto& tile) { return tile->marked; }));
}

bool Document::hideSelectedShapeCount() const { return selectedShapeCount() == 0; }

int Document::edgeCount() const {
  const auto editor = viewController();
  if (!editor)
    return 0;
  int count = 0;
  for (const auto& tile : editor->graph().shapes()) {
    for (const auto& edge : tile->edges()) {
      const auto partner = edge->join.lock();
      const auto partnerTile = partner ? partner->shape.lock() : nullptr;
      if (!partnerTile || tile->index > partnerTile->index)
        ++count;
    }
  }
  return count;
}

int Document::vertexCount() const {
  const auto editor = viewController();
  return editor ? editor->graph().vertexCount() : 0;
}

int Document::perimeter() const {
  const auto editor = viewController();
  return editor ? editor->borderSegmentCount() : 0;
}

// Files ---------------------------------------------------------------------

std::string Document::documentText(const std::vector<std::shared_ptr<Shape>>& tiles) const {
  const auto editor = viewController();
  return ornival::documentText(fileSettings(), tiles, editor ? &editor->graph() : nullptr);
}

DocumentSettings Document::fileSettings() const {
  DocumentSettings s;
  s.shapeColor = shapeColor();
  s.shapeBezierFactor = shapeBezierFactor_;
  s.shapeRadiusLimit = shapeRadiusLimit_;
  s.borderColor = borderColor_;
  s.borderColor2 = borderColor2_;
  s.borderColor3 = borderColor3_;
  s.borderWidth = borderWidth_;
  s.borderWidth2 = borderWidth2_;
  s.borderWidth3 = borderWidth3_;
  s.borderLineStyle = borderLineStyle_;
  s.borderBezierFactor = borderBezierFactor_;
  s.borderRadiusLimit = borderRadiusLimit_;
  s.backgroundColor = backgroundColor_;
  s.scale = scale_;
  s.rotation = rotation_;
  s.pageBounds = pageBounds;
  s.crossings = crossings_;
  s.displayMode = displayMode_;
  s.metalness = metalness_;
  s.roughness = roughness_;
  s.lightAngleX = lightAngleX_;
  s.lightAngleY = lightAngleY_;
  s.lightAngleZ = lightAngleZ_;
  s.ambientColor = ambientColor_;
  s.surfaceZscale = surfaceZscale_;
  s.surfaceRoundness = surfaceRoundness_;
  s.ripple = ripple_;
  s.rippleScale = rippleScale_;
  return s;
}

void Document::applyFileSettings(const DocumentSettings& s) {
  // The editor's manager is normally the same one; switched off once each.
  std::vector<UndoManager*> managers;
  if (undoManager_)
    managers.push_back(undoManager_.get());
  if (const auto editor = viewController();
      editor && editor->undoManager() && editor->undoManager() != undoManager_.get())
    managers.push_back(editor->undoManager());
  for (UndoManager* undo : managers)
    undo->disableUndoRegistration();

  setBorderBezierFactor(s.borderBezierFactor);
  setBorderRadiusLimit(s.borderRadiusLimit);
  setShapeBezierFactor(s.shapeBezierFactor);
  setShapeRadiusLimit(s.shapeRadiusLimit);
  setBorderWidth(s.borderWidth);
  setBorderWidth2(s.borderWidth2);
  setBorderWidth3(s.borderWidth3);
  setBorderLineStyle(s.borderLineStyle);
  setBackgroundColor(s.backgroundColor);
  setBorderColor(s.borderColor);
  setBorderColor2(s.borderColor2);
  setBorderColor3(s.borderColor3);
  setScale(s.scale);
  setRotation(s.rotation);
  pageBounds = s.pageBounds;
  setShapeColor(s.shapeColor);
  setCrossings(s.crossings);
  setDisplayMode(s.displayMode);
  setMetalness(s.metalness);
  setRoughness(s.roughness);
  setRipple(s.ripple);
  setRippleScale(s.rippleScale);
  setLightAngleX(s.lightAngleX);
  setLightAngleY(s.lightAngleY);
  setLightAngleZ(s.lightAngleZ);
  setAmbientColor(s.ambientColor);
  setSurfaceZscale(s.surfaceZscale);
  setSurfaceRoundness(s.surfaceRoundness);

  for (UndoManager* undo : managers)
    undo->enableUndoRegistration();
}

// Access by name ------------------------------------------------------------

namespace {

struct KeyEntry {
  std::string_view key;
  std::function<SettingValue(const Document&)> get;
  // None for a read-only value.
  std::function<bool(Document&, const SettingValue&)> set;
};

template <typename T>
std::optional<T> as(const SettingValue& value) {
  if (const T* v = std::get_if<T>(&value))
    return *v;
  if constexpr (std::is_same_v<T, double>) {
    if (const int* v = std::get_if<int>(&value))
      return double(*v);
  }
  if constexpr (std::is_same_v<T, int>) {
    if (const double* v = std::get_if<double>(&value)) {
      if (std::isfinite(*v) && *v == std::trunc(*v) && *v >= double(std::numeric_limits<int>::min()) &&
          *v <= double(std::numeric_limits<int>::max()))
        return int(*v);
    }
  }
  return std::nullopt;
}

template <typename T, typename Getter, typename Setter>
KeyEntry readWrite(std::string_view key, Getter getter, Setter setter) {
  return {key, [getter](const Document& d) { return SettingValue(T((d.*getter)())); },
          [setter](Document& d, const SettingValue& value) {
            const auto v = as<T>(value);
            if (!v)
              return false;
            (d.*setter)(*v);
            return true;
          }};
}

template <typename T, typename Getter>
KeyEntry readOnly(std::string_view key, Getter getter) {
  return {key, [getter](const Document& d) { return SettingValue(T((d.*getter)())); }, nullptr};
}

const std::vector<KeyEntry>& keyTable() {
  static const std::vector<KeyEntry> table = {
      readWrite<int>("exportWidth", &Document::exportWidth, &Document::setExportWidth),
      readWrite<int>("exportHeight", &Document::exportHeight, &Document::setExportHeight),
      readWrite<double>("exportScale", &Document::exportScale, &Document::setExportScale),
      readWrite<bool>("exportAlpha", &Document::exportAlpha, &Document::setExportAlpha),
      readWrite<double>("scale", &Document::scale, &Document::setScale),
      readWrite<double>("rotation", &Document::rotation, &Document::setRotation),
      readWrite<Color>("backgroundColor", &Document::backgroundColor, &Document::setBackgroundColor),
      readWrite<Color>("shapeColor", &Document::shapeColor, &Document::setShapeColor),
      readWrite<double>("shapeBezierFactor", &Document::shapeBezierFactor, &Document::setShapeBezierFactor),
      readWrite<double>("shapeRadiusLimit", &Document::shapeRadiusLimit, &Document::setShapeRadiusLimit),
      readWrite<double>("borderBezierFactor", &Document::borderBezierFactor, &Document::setBorderBezierFactor),
      readWrite<double>("borderRadiusLimit", &Document::borderRadiusLimit, &Document::setBorderRadiusLimit),
      readWrite<double>("surfaceRoundness", &Document::surfaceRoundness, &Document::setSurfaceRoundness),
      readWrite<double>("surfaceZscale", &Document::surfaceZscale, &Document::setSurfaceZscale),
      readWrite<double>("metalness", &Document::metalness, &Document::setMetalness),
      readWrite<double>("roughness", &Document::roughness, &Document::setRoughness),
      readWrite<double>("ripple", &Document::ripple, &Document::setRipple),
      readWrite<double>("rippleScale", &Document::rippleScale, &Document::setRippleScale),
      readWrite<double>("lightAngleX", &Document::lightAngleX, &Document::setLightAngleX),
      readWrite<double>("lightAngleY", &Document::lightAngleY, &Document::setLightAngleY),
      readWrite<double>("lightAngleZ", &Document::lightAngleZ, &Document::setLightAngleZ),
      readWrite<Color>("borderColor", &Document::borderColor, &Document::setBorderColor),
      readWrite<Color>("borderColor2", &Document::borderColor2, &Document::setBorderColor2),
      readWrite<Color>("borderColor3", &Document::borderColor3, &Document::setBorderColor3),
      readWrite<double>("borderWidth", &Document::borderWidth, &Document::setBorderWidth),
      readWrite<double>("borderWidth2", &Document::borderWidth2, &Document::setBorderWidth2),
      readWrite<double>("borderWidth3", &Document::borderWidth3, &Document::setBorderWidth3),
      readWrite<bool>("borderLineStyle", &Document::borderLineStyle, &Document::setBorderLineStyle),
      readWrite<Color>("ambientColor", &Document::ambientColor, &Document::setAmbientColor),
      readWrite<double>("ambientBrightness", &Document::ambientBrightness, &Document::setAmbientBrightness),
      readWrite<int>("displayMode", &Document::displayMode, &Document::setDisplayMode),
      readWrite<CrossingStatus>("crossings", &Document::crossings, &Document::setCrossings),
      readWrite<int>("crossingsValue", &Document::crossingsValue, &Document::setCrossingsValue),
      readWrite<int>("layerIndex", &Document::layerIndex, &Document::setLayerIndex),
      readOnly<int>("shapeCount", &Document::shapeCount),
      readOnly<int>("selectedShapeCount", &Document::selectedShapeCount),
      readOnly<bool>("hideSelectedShapeCount", &Document::hideSelectedShapeCount),
      readOnly<int>("edgeCount", &Document::edgeCount),
      readOnly<int>("vertexCount", &Document::vertexCount),
      readOnly<int>("perimeter", &Document::perimeter),
  };
  return table;
}

const KeyEntry* findKey(std::string_view key) {
  const auto& table = keyTable();
  const auto it = std::find_if(table.begin(), table.end(), [key](const KeyEntry& e) { return e.key == key; });
  return it == table.end() ? nullptr : &*it;
}

}  // namespace

const std::vector<std::string_view>& Document::keys() {
  static const std::vector<std::string_view> keys = [] {
    std::vector<std::string_view> result;
    for (const KeyEntry& e : keyTable())
      result.push_back(e.key);
    return result;
  }();
  return keys;
}

std::optional<SettingValue> Document::value(std::string_view key) const {
  const KeyEntry* entry = findKey(key);
  if (!entry)
    return std::nullopt;
  return entry->get(*this);
}

bool Document::setValue(std::string_view key, const SettingValue& value) {
  const KeyEntry* entry = findKey(key);
  return entry && entry->set && entry->set(*this, value);
}

bool Document::isReadOnly(std::string_view key) {
  const KeyEntry* entry = findKey(key);
  return entry && !entry->set;
}

// Observation ---------------------------------------------------------------

Document::ObserverId Document::addObserver(std::string key, Observer observer) {
  const ObserverId id = nextObserverId_++;
  observers_.push_back(std::make_shared<ObserverEntry>(ObserverEntry{id, std::move(key), std::move(observer)}));
  return id;
}

void Document::removeObserver(ObserverId id) {
  std::erase_if(observers_, [id](const std::shared_ptr<ObserverEntry>& e) {
    if (e->id != id)
      return false;
    e->removed = true;
    return true;
  });
}

void Document::willChangeValue(std::string_view key) { notify(key, ChangePhase::prior); }

void Document::didChangeValue(std::string_view key) { notify(key, ChangePhase::after); }

void Document::notify(std::string_view key, ChangePhase phase) {
  // A snapshot, so that observers may add and remove observers.
  const auto snapshot = observers_;
  for (const auto& entry : snapshot) {
    if (!entry->removed && (entry->key.empty() || entry->key == key))
      entry->observer(key, phase);
  }
}

}  // namespace ornival
