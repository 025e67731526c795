#pragma once

// The two palettes the window is looked at in: Fusion's own light one, and a
// dark one as dark desktop themes give (Adwaita-dark, Breeze Dark).

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <memory>

namespace ornival::testing {

inline QPalette lightPalette() {
  static const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
  return fusion->standardPalette();
}

inline QPalette darkPalette() {
  QPalette p;
  const QColor window(53, 53, 53), base(35, 35, 35), text(238, 238, 238), disabled(127, 127, 127);
  p.setColor(QPalette::Window, window);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, base);
  p.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
  p.setColor(QPalette::ToolTipBase, window);
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, window);
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::BrightText, Qt::red);
  p.setColor(QPalette::Light, QColor(80, 80, 80));
  p.setColor(QPalette::Midlight, QColor(66, 66, 66));
  p.setColor(QPalette::Mid, QColor(40, 40, 40));
  p.setColor(QPalette::Dark, QColor(25, 25, 25));
  p.setColor(QPalette::Shadow, QColor(10, 10, 10));
  p.setColor(QPalette::Highlight, QColor(42, 130, 218));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Link, QColor(42, 130, 218));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, role, disabled);
  return p;
}

// Fusion in the given palette for the whole application, the light one
// again when it goes.
class PaletteScope {
public:
  explicit PaletteScope(const QPalette& palette) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(palette);
  }
  ~PaletteScope() { QApplication::setPalette(lightPalette()); }
  PaletteScope(const PaletteScope&) = delete;
  PaletteScope& operator=(const PaletteScope&) = delete;
};

}  // namespace ornival::testing
