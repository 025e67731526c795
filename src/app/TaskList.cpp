#include "app/TaskList.h"

#include "platform/Task.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

#include <algorithm>

namespace ornival {

TaskList::TaskList(QWidget* parent, int showAfterMilliseconds) : QWidget(parent), showAfter_(showAfterMilliseconds) {
  // Rows side by side, and the height of one kept while none shows: the
  // status bar never grows or shrinks as work comes and goes, so the drawing
  // above it is never resized, which would have it drawn again whole.
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(12);
  {
    QWidget probe;
    auto* row = new QHBoxLayout(&probe);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("Xg"), &probe));
    row->addWidget(new QProgressBar(&probe));
    auto* cancel = new QToolButton(&probe);
    cancel->setText(QCoreApplication::translate("TaskList", "Cancel"));
    row->addWidget(cancel);
    setMinimumHeight(probe.sizeHint().height());
  }
  QSizePolicy policy = sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  setSizePolicy(policy);
  timer_.setInterval(100);
  connect(&timer_, &QTimer::timeout, this, &TaskList::refresh);
  hide();
}

TaskList::~TaskList() = default;

void TaskList::add(std::shared_ptr<Task> task, bool cancellable) {
  Row row;
  row.task = std::move(task);
  row.since.start();
  row.widget = new QWidget(this);
  auto* layout = new QHBoxLayout(row.widget);
  layout->setContentsMargins(0, 0, 0, 0);
  row.title = new QLabel(QString::fromStdString(row.task->title()), row.widget);
  row.bar = new QProgressBar(row.widget);
  row.bar->setRange(0, 1000);
  row.bar->setTextVisible(false);
  row.bar->setFixedWidth(120);
  row.bar->setAccessibleName(row.title->text());
  layout->addWidget(row.title);
  layout->addWidget(row.bar);
  if (cancellable) {
    row.cancel = new QToolButton(row.widget);
    row.cancel->setText(QCoreApplication::translate("TaskList", "Cancel"));
    row.cancel->setAccessibleName(QCoreApplication::translate("TaskList", "Cancel %1").arg(row.title->text()));
    const Task* key = row.task.get();
    connect(row.cancel, &QToolButton::clicked, this, [this, key] { cancel(*key); });
    layout->addWidget(row.cancel);
  }
  row.widget->hide();
  static_cast<QHBoxLayout*>(this->layout())->addWidget(row.widget);
  rows_.push_back(std::move(row));
  timer_.start();
  refresh();
}

void TaskList::cancelAll() {
  for (const Row& row : rows_) {
    row.task->cancel();
    delete row.widget;
  }
  rows_.clear();
  timer_.stop();
  hide();
}

std::vector<std::shared_ptr<Task>> TaskList::tasks() const {
  std::vector<std::shared_ptr<Task>> running;
  for (const Row& row : rows_)
    running.push_back(row.task);
  return running;
}

const TaskList::Row* TaskList::rowOf(const Task& task) const {
  const auto found = std::find_if(rows_.begin(), rows_.end(), [&](const Row& row) { return row.task.get() == &task; });
  return found == rows_.end() ? nullptr : &*found;
}

QToolButton* TaskList::cancelButton(const Task& task) const {
  const Row* row = rowOf(task);
  return row && row->widget->isVisibleTo(this) ? row->cancel : nullptr;
}

QProgressBar* TaskList::progressBar(const Task& task) const {
  const Row* row = rowOf(task);
  return row && row->widget->isVisibleTo(this) ? row->bar : nullptr;
}

void TaskList::cancel(const Task& task) {
  const auto found = std::find_if(rows_.begin(), rows_.end(), [&](const Row& row) { return row.task.get() == &task; });
  if (found == rows_.end())
    return;
  // Gone from the window at once: a task cancelled before it began never
  // ends, and one under way stops at its next check and writes nothing.
  found->task->cancel();
  found->widget->deleteLater();
  rows_.erase(found);
  refresh();
}

void TaskList::refresh() {
  for (auto row = rows_.begin(); row != rows_.end();) {
    if (row->task->hasEnded() || row->task->isCancelled()) {
      row->widget->deleteLater();
      row = rows_.erase(row);
      continue;
    }
    const double progress = row->task->progress();
    if (progress < 0.0) {
      row->bar->setRange(0, 0);
    } else {
      row->bar->setRange(0, 1000);
      row->bar->setValue(int(std::clamp(progress, 0.0, 1.0) * 1000.0));
    }
    if (row->since.elapsed() >= showAfter_)
      row->widget->show();
    ++row;
  }
  const bool anyShown =
      std::any_of(rows_.begin(), rows_.end(), [this](const Row& row) { return row.widget->isVisibleTo(this); });
  setVisible(anyShown);
  if (rows_.empty())
    timer_.stop();
}

}  // namespace ornival
