#include "platform/qt/DbusFileViewer.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace ornival {
namespace {

// The desktop's file manager as the bus sees it: answers ShowItems and
// keeps what it was asked to show.
class FakeFileManager final : public QDBusVirtualObject {
public:
  QStringList shown;
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    if (message.member() != "ShowItems")
      return false;
    shown += message.arguments().value(0).toStringList();
    connection.send(message.createReply());
    return true;
  }
  QString introspect(const QString&) const override { return {}; }
};

TEST(DbusFileViewerTest, WithoutAFileManagerTheFolderOpens) {
  QUrl opened;
  DbusFileViewer viewer([&](const QUrl& url) { return opened = url, true; }, "no such bus");
  viewer.reveal("/tmp/ornival/Pattern.svg");
  EXPECT_EQ(opened, QUrl::fromLocalFile("/tmp/ornival"));
}

TEST(DbusFileViewerTest, FileManagerIsAskedToShowTheFile) {
  const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
  if (daemon.isEmpty())
    GTEST_SKIP() << "dbus-daemon is not installed";
  int argc = 0;
  QCoreApplication application(argc, nullptr);
  QProcess bus;
  bus.start(daemon, {"--session", "--nofork", "--print-address"});
  ASSERT_TRUE(bus.waitForReadyRead(10000));
  const QString address = QString::fromUtf8(bus.readLine()).trimmed();
  {
    // The file manager and the viewer, on two connections of one private bus.
    QDBusConnection managerSide = QDBusConnection::connectToBus(address, "manager");
    ASSERT_TRUE(managerSide.isConnected());
    FakeFileManager manager;
    ASSERT_TRUE(managerSide.registerVirtualObject("/org/freedesktop/FileManager1", &manager));
    ASSERT_TRUE(managerSide.registerService("org.freedesktop.FileManager1"));
    ASSERT_TRUE(QDBusConnection::connectToBus(address, "viewer").isConnected());

    bool folderOpened = false;
    DbusFileViewer viewer([&](const QUrl&) { return folderOpened = true; }, "viewer");
    // The manager answers from the event loop that runs while the viewer
    // waits for it.
    viewer.reveal("/tmp/ornival/Pattern.svg");
    EXPECT_EQ(manager.shown, QStringList{QUrl::fromLocalFile("/tmp/ornival/Pattern.svg").toString()});
    EXPECT_FALSE(folderOpened);
    managerSide.unregisterObject("/org/freedesktop/FileManager1");
  }
  QDBusConnection::disconnectFromBus("manager");
  QDBusConnection::disconnectFromBus("viewer");
  bus.kill();
  bus.waitForFinished();
}

}  // namespace
}  // namespace ornival
