#pragma once

#include "quicklook/PreviewViewController.h"

#include <QOpenGLWidget>

#include <memory>

namespace ornival {

class GlSceneRenderer;

// The relief scene seen from straight above, framed to the widget, on the
// document's background. Says why in its place when OpenGL cannot draw it.
class ReliefPreviewView final : public QOpenGLWidget, public PreviewSceneView {
public:
  explicit ReliefPreviewView(QWidget* parent = nullptr);
  ~ReliefPreviewView() override;

  void setBackgroundColor(const Color& color) override;
  void setScene(std::optional<QuickLookScene> scene, const Rect& bounds) override;

protected:
  void initializeGL() override;
  void paintGL() override;

private:
  std::unique_ptr<GlSceneRenderer> renderer_;
  std::optional<QuickLookScene> scene_;
  Rect bounds_;
  Color background_ = Color::white();
};

}  // namespace ornival
