#include "document/FilePresenter.h"

namespace ornival {

FilePresenter::FilePresenter(const std::filesystem::path& url, std::string_view pathExtension) {
  primaryPresentedItemURL = url;
  if (url.filename().empty() || url.filename() == "." || url.filename() == "..")
    return;
  if (pathExtension.empty()) {
    presentedItemURL = url;
    return;
  }
  std::filesystem::path target = url;
  target.replace_extension(std::string(pathExtension));
  presentedItemURL = std::move(target);
}

}  // namespace ornival
