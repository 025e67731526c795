#pragma once

#include "platform/Clipboard.h"

namespace ornival {

// The application's clipboard. Needs a QGuiApplication.
class QtClipboard final : public Clipboard {
public:
  void copy(const RgbaImage& image, const std::optional<std::string>& text) override;
};

}  // namespace ornival
