#include "app/DrawnIcon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmapCache>
#include <QSvgRenderer>

#include <memory>

// The pictures are linked into a static library: their resource is made
// known before the first is drawn.
static void initIconResources() { Q_INIT_RESOURCE(icons); }

namespace ornival {

namespace {

// The icon's pixmaps, drawn on demand at the size asked for and kept in the
// pixmap cache under the engine's key.
class DrawingEngine : public QIconEngine {
public:
  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    if (size.isEmpty())
      return {};
    const QString key = QStringLiteral("%1:%2x%3:%4:%5")
                            .arg(cacheKey(mode))
                            .arg(size.width())
                            .arg(size.height())
                            .arg(int(mode))
                            .arg(int(state));
    QPixmap result;
    if (QPixmapCache::find(key, &result))
      return result;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      draw(painter, size, mode);
    }
    result = QPixmap::fromImage(std::move(image));
    QPixmapCache::insert(key, result);
    return result;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QPixmap picture = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, picture);
  }

protected:
  virtual QString cacheKey(QIcon::Mode mode) const = 0;
  virtual void draw(QPainter& painter, const QSize& pixels, QIcon::Mode mode) const = 0;
};

class SymbolicEngine final : public DrawingEngine {
public:
  explicit SymbolicEngine(QString file) : file_(std::move(file)) {}
  QIconEngine* clone() const override { return new SymbolicEngine(file_); }
  QString key() const override { return QStringLiteral("ornival-symbolic"); }
  bool isNull() override { return !QSvgRenderer(file_).isValid(); }

protected:
  QString cacheKey(QIcon::Mode mode) const override {
    return QStringLiteral("ornival-symbolic:%1:%2").arg(file_).arg(ink(mode).rgba());
  }
  void draw(QPainter& painter, const QSize& pixels, QIcon::Mode mode) const override {
    QSvgRenderer renderer(file_);
    if (!renderer.isValid())
      return;
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    // The drawing's shades stay, in the ink's colour.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRect(QPoint(0, 0), pixels), ink(mode));
  }

private:
  static QColor ink(QIcon::Mode mode) {
    return QGuiApplication::palette().color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                                            QPalette::WindowText);
  }

  QString file_;
};

class FunctionEngine final : public DrawingEngine {
public:
  FunctionEngine(QString key, std::shared_ptr<const std::function<void(QPainter&, const QSize&)>> draw)
      : key_(std::move(key)), draw_(std::move(draw)) {}
  QIconEngine* clone() const override { return new FunctionEngine(key_, draw_); }
  QString key() const override { return QStringLiteral("ornival-drawn"); }
  bool isNull() override { return !draw_ || !*draw_; }

protected:
  QString cacheKey(QIcon::Mode) const override { return QStringLiteral("ornival-drawn:") + key_; }
  void draw(QPainter& painter, const QSize& pixels, QIcon::Mode) const override {
    if (draw_ && *draw_)
      (*draw_)(painter, pixels);
  }

private:
  QString key_;
  std::shared_ptr<const std::function<void(QPainter&, const QSize&)>> draw_;
};

}  // namespace

QIcon symbolicIcon(const QString& svgFile) {
  static const bool resources = (initIconResources(), true);
  (void)resources;
  return QIcon(new SymbolicEngine(svgFile));
}

QIcon themeOrSymbolicIcon(const QString& themeName, const QString& svgFile) {
  return QIcon::hasThemeIcon(themeName) ? QIcon::fromTheme(themeName) : symbolicIcon(svgFile);
}

QIcon drawnIcon(const QString& key, std::function<void(QPainter&, const QSize& pixels)> draw) {
  return QIcon(
      new FunctionEngine(key, std::make_shared<const std::function<void(QPainter&, const QSize&)>>(std::move(draw))));
}

}  // namespace ornival
