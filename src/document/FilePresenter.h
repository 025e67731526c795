#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace ornival {

// The file an export writes beside its document: the document's file name
// with the export's extension in place of its own ("Pattern.orn" as svg is
// "Pattern.svg", "Pattern" is "Pattern.svg" too). An empty extension keeps
// the document's own name.
class FilePresenter {
public:
  FilePresenter(const std::filesystem::path& url, std::string_view pathExtension);

  // The document's file.
  std::optional<std::filesystem::path> primaryPresentedItemURL;
  // The export's file; none when the document's path names no file.
  std::optional<std::filesystem::path> presentedItemURL;
};

}  // namespace ornival
