#include "platform/qt/DbusFileViewer.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QStringList>

namespace ornival {

DbusFileViewer::DbusFileViewer(OpenFolder openFolder, QString busName)
    : openFolder_(std::move(openFolder)), busName_(std::move(busName)) {
  if (!openFolder_)
    openFolder_ = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
}

void DbusFileViewer::reveal(const std::filesystem::path& file) {
  const QString path = QString::fromStdString(std::filesystem::absolute(file).string());
  const QDBusConnection bus =
      busName_.isEmpty() ? QDBusConnection::sessionBus() : QDBusConnection(busName_);
  if (bus.isConnected()) {
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.FileManager1", "/org/freedesktop/FileManager1",
                                                       "org.freedesktop.FileManager1", "ShowItems");
    call << QStringList{QUrl::fromLocalFile(path).toString()} << QString();
    // Short: a file manager that is started on demand answers quickly, and
    // the user is waiting. The window keeps drawing meanwhile.
    const QDBusMessage reply = bus.call(call, QDBus::BlockWithGui, 3000);
    if (reply.type() == QDBusMessage::ReplyMessage)
      return;
  }
  openFolder_(QUrl::fromLocalFile(QString::fromStdString(std::filesystem::absolute(file).parent_path().string())));
}

}  // namespace ornival
