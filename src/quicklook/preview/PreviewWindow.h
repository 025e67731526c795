#pragma once

#include <QStackedWidget>

namespace ornival {

// The preview's window: the flat and the relief view, one shown. It closes
// with Escape and with the desktop's Close key, as a viewer does.
class PreviewWindow final : public QStackedWidget {
public:
  explicit PreviewWindow(QWidget* parent = nullptr);
};

}  // namespace ornival
