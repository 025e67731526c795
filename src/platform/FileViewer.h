#pragma once

#include <filesystem>

namespace ornival {

// Shows a file to the user in the desktop's file manager, selected.
class FileViewer {
public:
  virtual ~FileViewer() = default;
  virtual void reveal(const std::filesystem::path& file) = 0;
};

}  // namespace ornival
