#include "platform/qt/QtMainQueue.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>

namespace ornival {

QtMainQueue::QtMainQueue(QObject* context) : context_(context), thread_(context->thread()) {}

void QtMainQueue::post(std::function<void()> block) {
  QMetaObject::invokeMethod(context_, std::move(block), Qt::QueuedConnection);
}

bool QtMainQueue::isMainThread() const { return QThread::currentThread() == thread_; }

}  // namespace ornival
