#include "app/SettingsPopovers.h"

#include "app/ColorWell.h"
#include "app/CountViewController.h"
#include "app/core/SurfacePreview.h"
#include "document/Document.h"
#include "document/ExportFileFormat.h"
#include "platform/UserDefaults.h"
#include "platform/gl/GlSceneRenderer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QPixmap>

#include <cmath>

namespace ornival {

void toggleBorderWidth(Document& document, int band) {
  switch (band) {
    case 1: document.setBorderWidth(document.borderWidth() > 0.0 ? 0.0 : 2.0); break;
    case 2: document.setBorderWidth2(document.borderWidth2() > 0.0 ? 0.0 : document.borderWidth() * 0.5); break;
    case 3: document.setBorderWidth3(document.borderWidth3() > 0.0 ? 0.0 : document.borderWidth2() * 0.5); break;
    default: break;
  }
}

namespace {

// The three band rows: a colour well, a width and the on/off switch.
void addBandRows(Popover& popover, std::array<ColorWell*, 3>* wells) {
  static const char* colorKeys[] = {"borderColor", "borderColor2", "borderColor3"};
  static const char* widthKeys[] = {"borderWidth", "borderWidth2", "borderWidth3"};
  for (int band = 1; band <= 3; ++band) {
    auto* row = new QHBoxLayout();
    auto* well = new ColorWell(&popover);
    well->setFixedSize(34, 24);
    auto* width = new QDoubleSpinBox(&popover);
    width->setRange(0.0, 20.0);
    width->setSingleStep(0.5);
    width->setDecimals(2);
    width->setKeyboardTracking(false);
    auto* toggle = new QPushButton(Popover::tr("On/Off"), &popover);
    QObject::connect(toggle, &QPushButton::clicked, &popover, [&popover, band] {
      popover.binder().change([band](Document& document) { toggleBorderWidth(document, band); });
    });
    well->setAccessibleName(Popover::tr("Colour of band %1").arg(band));
    width->setAccessibleName(Popover::tr("Width of band %1").arg(band));
    toggle->setAccessibleName(Popover::tr("Switch band %1 on or off").arg(band));
    row->addWidget(well);
    row->addWidget(width, 1);
    row->addWidget(toggle);
    popover.form()->addRow(Popover::tr("Band %1").arg(band), row);
    popover.binder().bind(well, colorKeys[band - 1]);
    popover.binder().bind(width, widthKeys[band - 1]);
    if (wells)
      (*wells)[std::size_t(band - 1)] = well;
    toggle->setObjectName(QStringLiteral("toggleBorderWidth%1").arg(band));
  }
}

}  // namespace

BorderPopover::BorderPopover(SettingBinder::Perform perform, std::function<void(bool)> gesture, QWidget* parent)
    : Popover(tr("Border"), Behaviour::transient, std::move(perform), std::move(gesture), parent) {
  addBandRows(*this, &bandColors_);
  auto* roundJoins = new QCheckBox(tr("Round joins"), this);
  form()->addRow(QString(), roundJoins);
  binder().bind(roundJoins, "borderLineStyle");
  // Crossings: where bands cross, one passes over the other; alternating
  // goes over and under in turn along each band.
  auto* crossings = new QComboBox(this);
  crossings->setObjectName(QStringLiteral("crossings"));
  crossings->addItems({tr("Off"), tr("On"), tr("Alternate")});
  crossings->setAccessibleName(tr("Crossings"));
  form()->addRow(tr("Crossings"), crossings);
  binder().bind(crossings, "crossingsValue");
  // The rounding rows reset to 1, or to their other usual value when at 1.
  const QString reset = QStringLiteral("↺");
  addNumberRow(tr("Border rounding"), "borderBezierFactor", 0.0, 1.0, 0.01, 2,
               {{"resetBorderFactor", reset, tr("Reset the border rounding")},
                {"copyBorderFactor", QStringLiteral("⇣"), tr("Round the tiles as the border")}});
  addNumberRow(tr("Border radius limit"), "borderRadiusLimit", 0.0, 1.0, 0.01, 2,
               {{"resetRadiusLimit", reset, tr("Reset the border radius limit")}});
  addNumberRow(tr("Tile rounding"), "shapeBezierFactor", 0.0, 1.0, 0.01, 2,
               {{"resetShapeFactor", reset, tr("Reset the tile rounding")},
                {"copyShapeFactor", QStringLiteral("⇡"), tr("Round the border as the tiles")}});
  addNumberRow(tr("Tile radius limit"), "shapeRadiusLimit", 0.0, 1.0, 0.01, 2,
               {{"resetShapeRadiusLimit", reset, tr("Reset the tile radius limit")}});
  backgroundColor_ = new ColorWell(this);
  backgroundColor_->setFixedSize(34, 24);
  form()->addRow(tr("Background"), backgroundColor_);
  binder().bind(backgroundColor_, "backgroundColor");
}

SurfacePopover::SurfacePopover(SettingBinder::Perform perform, std::function<void(bool)> gesture, QWidget* parent)
    : Popover(tr("Surface"), Behaviour::transient, std::move(perform), std::move(gesture), parent) {
  preview_ = new QLabel(this);
  preview_->setFixedSize(160, 160);
  preview_->setAlignment(Qt::AlignCenter);
  form()->addRow(preview_);
  addBandRows(*this, nullptr);
  const QString reset = QStringLiteral("↺");
  addNumberRow(tr("Roundness"), "surfaceRoundness", 0.0, 1.0, 0.01, 2);
  addNumberRow(tr("Height"), "surfaceZscale", 0.0, 4.0, 0.01, 2,
               {{"resetSurfaceZscale", reset, tr("Reset the height")}});
  addNumberRow(tr("Metalness"), "metalness", 0.0, 1.0, 0.01, 2,
               {{"resetMetalness", reset, tr("Reset the metalness")}});
  addNumberRow(tr("Roughness"), "roughness", 0.0, 1.0, 0.01, 2,
               {{"resetRoughness", reset, tr("Reset the roughness")}});
  addNumberRow(tr("Ripple"), "ripple", 0.0, 1.0, 0.01, 2, {{"resetRipple", reset, tr("Reset the ripple")}});
  addNumberRow(tr("Ripple scale"), "rippleScale", 0.0, 1.0, 0.01, 2,
               {{"resetRippleScale", reset, tr("Reset the ripple scale")}});
  addNumberRow(tr("Light X"), "lightAngleX", -180.0, 180.0, 1.0, 0);
  addNumberRow(tr("Light Y"), "lightAngleY", -180.0, 180.0, 1.0, 0);
  addNumberRow(tr("Light Z"), "lightAngleZ", -180.0, 180.0, 1.0, 0);
  // The ambient light goes between off and its usual brightness.
  addNumberRow(tr("Ambient"), "ambientBrightness", 0.0, 1.0, 0.01, 2,
               {{"resetAmbientBrightness", reset, tr("Switch the ambient light off or back on")}});
  // Bands and colours change the preview too, not only the relief settings.
  binder().changed = [this] { updateScene(); };
}

// The preview's own OpenGL context, off screen, made on first use. Without
// OpenGL the preview stays empty and says why.
struct SurfacePopover::Renderer {
  QOffscreenSurface surface;
  QOpenGLContext context;
  std::unique_ptr<GlSceneRenderer> renderer;
  SurfacePreview preview;
  std::string error;

  Renderer() {
    QSurfaceFormat format;
    format.setVersion(3, 3);
    format.setProfile(QSurfaceFormat::CoreProfile);
    surface.setFormat(format);
    surface.create();
    context.setFormat(format);
    if (!context.create() || !context.makeCurrent(&surface)) {
      error = "no OpenGL context";
      return;
    }
    renderer = GlSceneRenderer::create(
        [this](const char* name) { return context.getProcAddress(name); }, error);
    context.doneCurrent();
  }
  ~Renderer() {
    // The renderer lets go of its objects in its own context.
    if (renderer && context.makeCurrent(&surface)) {
      renderer.reset();
      context.doneCurrent();
    }
  }
};

SurfacePopover::~SurfacePopover() = default;

void SurfacePopover::updateScene() {
  const auto document = representedDocument();
  if (!document)
    return;
  if (!renderer_)
    renderer_ = std::make_unique<Renderer>();
  if (!renderer_->renderer) {
    preview_->setText(tr("No preview without OpenGL"));
    return;
  }
  renderer_->preview.update(*document);
  if (!renderer_->context.makeCurrent(&renderer_->surface))
    return;
  const double ratio = preview_->devicePixelRatioF();
  const auto image = renderer_->preview.render(*renderer_->renderer, int(preview_->width() * ratio),
                                               int(preview_->height() * ratio),
                                               fromQColor(palette().color(QPalette::Window)));
  renderer_->context.doneCurrent();
  if (!image)
    return;
  QImage picture(image->width(), image->height(), QImage::Format_RGBA8888);
  for (int y = 0; y < image->height(); ++y)
    for (int x = 0; x < image->width(); ++x) {
      const auto& p = image->pixel(x, y);
      picture.setPixel(x, y, qRgba(p[0], p[1], p[2], p[3]));
    }
  QPixmap pixmap = QPixmap::fromImage(picture);
  pixmap.setDevicePixelRatio(ratio);
  preview_->setPixmap(pixmap);
}

RotatePopover::RotatePopover(SettingBinder::Perform perform, std::function<void(bool)> gesture, QWidget* parent)
    : Popover(tr("Rotate"), Behaviour::transient, std::move(perform), std::move(gesture), parent) {
  slider_ = addNumberRow(tr("Rotation"), "rotation", -180.0, 180.0, 0.5, 1,
                         {{"resetRotation", QStringLiteral("↺"), tr("Square the view")}});
}

void RotatePopover::setRange(double minimum, double maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
  slider_->setRange(int(std::lround(minimum / 0.5)), int(std::lround(maximum / 0.5)));
  if (auto* box = findChild<QDoubleSpinBox*>("rotation"))
    box->setRange(minimum, maximum);
  // The document keeps its rotation within half a turn either way; the
  // controls show the same angle a whole turn on where that falls within
  // their range, so that the angle set is the angle shown.
  binder().setShownNumber("rotation", [this](double degrees) { return shown(degrees); });
}

double RotatePopover::shown(double degrees) const {
  if (degrees < minimum_)
    degrees += 360.0 * std::ceil((minimum_ - degrees) / 360.0);
  else if (degrees > maximum_)
    degrees -= 360.0 * std::ceil((degrees - maximum_) / 360.0);
  return degrees;
}

Popover* makeScalePopover(SettingBinder::Perform perform, std::function<void(bool)> gesture, QWidget* parent) {
  auto* popover = new Popover(Popover::tr("Scale"), Popover::Behaviour::transient, std::move(perform),
                              std::move(gesture), parent);
  popover->addNumberRow(Popover::tr("Scale"), "scale", 1.0, 400.0, 0.5, 1,
                        {{"resetScale", QStringLiteral("↺"), Popover::tr("Reset the zoom")}});
  return popover;
}

namespace {

// Shows the counts of its document on each opening.
class CountPopover final : public Popover {
public:
  using Popover::Popover;
  void willAppear() override { refreshCountPopover(*this); }
};

}  // namespace

Popover* makeCountPopover(SettingBinder::Perform perform, std::function<void(bool)> gesture, QWidget* parent) {
  auto* popover = new CountPopover(Popover::tr("Count"), Popover::Behaviour::transient, std::move(perform),
                                   std::move(gesture), parent);
  popover->form()->addRow(new CountViewController(popover));
  popover->binder().changed = [popover] { refreshCountPopover(*popover); };
  return popover;
}

void refreshCountPopover(Popover& popover) {
  if (auto* counts = popover.findChild<CountViewController*>())
    counts->showCounts(popover.representedDocument().get());
}

const char* const exportFileFormatKey = "ExportFileFormat";

Popover* makeExportPopover(SettingBinder::Perform perform, std::function<void(bool)> gesture, QWidget* parent,
                           std::function<void()> exportNow, UserDefaults* defaults) {
  auto* popover = new Popover(Popover::tr("Export"), Popover::Behaviour::applicationDefined, std::move(perform),
                              std::move(gesture), parent);
  auto* width = new QSpinBox(popover);
  auto* height = new QSpinBox(popover);
  for (QSpinBox* box : {width, height}) {
    box->setRange(1, 30000);
    box->setSuffix(Popover::tr(" px"));
    box->setKeyboardTracking(false);
  }
  auto* scale = new QDoubleSpinBox(popover);
  scale->setRange(0.01, 100.0);
  scale->setDecimals(2);
  scale->setKeyboardTracking(false);
  auto* alpha = new QCheckBox(Popover::tr("Transparent background"), popover);
  // The bitmap format is the user's lasting choice, not the document's: PNG,
  // or JPEG, which is written as JPEG 2000 when it keeps the transparency.
  auto* format = new QComboBox(popover);
  format->setObjectName(QStringLiteral("exportFileFormat"));
  format->addItem(Popover::tr("PNG"), int(ExportFileFormat::png));
  format->addItem(Popover::tr("JPEG"), int(ExportFileFormat::jpg));
  popover->form()->addRow(Popover::tr("Width"), width);
  popover->form()->addRow(Popover::tr("Height"), height);
  popover->form()->addRow(Popover::tr("Pixels per unit"), scale);
  popover->form()->addRow(QString(), alpha);
  popover->form()->addRow(Popover::tr("Format"), format);
  popover->binder().bind(width, "exportWidth");
  popover->binder().bind(height, "exportHeight");
  popover->binder().bind(scale, "exportScale");
  popover->binder().bind(alpha, "exportAlpha");
  const auto showFormat = [format, alpha, defaults] {
    const auto stored = defaults ? defaults->integer(exportFileFormatKey) : std::nullopt;
    const QSignalBlocker block(format);
    format->setCurrentIndex(stored == int(ExportFileFormat::jpg) ? 1 : 0);
    format->setItemText(1, alpha->isChecked() ? Popover::tr("JPEG 2000") : Popover::tr("JPEG"));
  };
  QObject::connect(format, &QComboBox::currentIndexChanged, popover, [format, defaults](int index) {
    if (defaults && index >= 0)
      defaults->setInteger(exportFileFormatKey, format->itemData(index).toInt());
  });
  popover->binder().changed = showFormat;
  QObject::connect(alpha, &QCheckBox::toggled, popover, showFormat);
  auto* fit = new QPushButton(Popover::tr("Fit 2048"), popover);
  QObject::connect(fit, &QPushButton::clicked, popover,
                   [popover] { popover->binder().change([](Document& d) { d.changeExportSize(); }); });
  auto* large = new QPushButton(Popover::tr("Fit 13500"), popover);
  QObject::connect(large, &QPushButton::clicked, popover,
                   [popover] { popover->binder().change([](Document& d) { d.changeExportScale(); }); });
  auto* save = new QPushButton(Popover::tr("Export"), popover);
  save->setDefault(true);
  QObject::connect(save, &QPushButton::clicked, popover, [exportNow] {
    if (exportNow)
      exportNow();
  });
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(fit);
  buttons->addWidget(large);
  buttons->addStretch(1);
  buttons->addWidget(save);
  popover->form()->addRow(buttons);
  auto* hint = new QLabel(Popover::tr("Drag the frame or its handles to choose the page; double-click beside "
                                      "the tiles to fit it to the tiling again."),
                          popover);
  hint->setWordWrap(true);
  popover->form()->addRow(hint);
  showFormat();
  return popover;
}

Popover* makeChangeColorsPopover(SettingBinder::Perform perform, std::function<void(bool)> gesture, QWidget* parent,
                                 std::function<void()> colorFromImage,
                                 std::function<void(const std::string& key)> recolor) {
  auto* popover = new Popover(Popover::tr("Change Colors"), Popover::Behaviour::applicationDefined, std::move(perform),
                              std::move(gesture), parent);
  auto* hint = new QLabel(Popover::tr("Drag the picture's frame to where its colours should go; dragged with "
                                      "the middle button, the tiles follow it."),
                          popover);
  hint->setWordWrap(true);
  popover->form()->addRow(hint);
  auto* fromImage = new QPushButton(Popover::tr("Colors from Image"), popover);
  fromImage->setDefault(true);
  QObject::connect(fromImage, &QPushButton::clicked, popover, [colorFromImage] {
    if (colorFromImage)
      colorFromImage();
  });
  popover->form()->addRow(fromImage);
  // The recolouring keys, for a user who does not know them; each button
  // names its key.
  const std::pair<QString, std::string> commands[] = {
      {Popover::tr("Random (R)"), "r"},           {Popover::tr("Hue by Corner (1)"), "1"},
      {Popover::tr("Hue by Side (T)"), "t"},      {Popover::tr("Black and White (B)"), "b"},
      {Popover::tr("White (W)"), "w"},
  };
  auto* grid = new QGridLayout();
  int at = 0;
  for (const auto& [title, key] : commands) {
    auto* button = new QPushButton(title, popover);
    QObject::connect(button, &QPushButton::clicked, popover, [recolor, key = key] {
      if (recolor)
        recolor(key);
    });
    grid->addWidget(button, at / 2, at % 2);
    ++at;
  }
  popover->form()->addRow(grid);
  auto* background = new ColorWell(popover);
  background->setFixedSize(34, 24);
  popover->form()->addRow(Popover::tr("Background"), background);
  popover->binder().bind(background, "backgroundColor");
  return popover;
}

}  // namespace ornival
