#pragma once

#include "platform/FileViewer.h"

#include <QString>
#include <QUrl>

#include <functional>

namespace ornival {

// Shows a file selected in the desktop's file manager through the
// freedesktop.org interface (org.freedesktop.FileManager1.ShowItems on the
// session bus). When no file manager answers, its folder is opened instead.
class DbusFileViewer final : public FileViewer {
public:
  using OpenFolder = std::function<bool(const QUrl&)>;

  // openFolder: how a folder is opened when the bus gives no answer; the
  // desktop's default handler unless given. busName: the bus to call,
  // "" for the session bus.
  explicit DbusFileViewer(OpenFolder openFolder = {}, QString busName = {});

  void reveal(const std::filesystem::path& file) override;

private:
  OpenFolder openFolder_;
  QString busName_;
};

}  // namespace ornival
