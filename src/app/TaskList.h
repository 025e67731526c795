#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QProgressBar;
class QToolButton;

namespace ornival {

class Task;

// The window's long work while it runs (exports, saves): one row each with
// what it is, how far it has come and a Cancel button. Work that ends within
// `showAfter` never shows, so that quick saves and small exports do not
// flicker in the status bar. A task that ends, or is cancelled, leaves the
// list.
class TaskList final : public QWidget {
  Q_OBJECT

public:
  explicit TaskList(QWidget* parent, int showAfterMilliseconds);
  ~TaskList() override;

  void add(std::shared_ptr<Task> task, bool cancellable = true);
  // Cancels every task in the list: the window is going.
  void cancelAll();
  // The tasks not yet over, in the order they came.
  std::vector<std::shared_ptr<Task>> tasks() const;
  // The Cancel button of a task's row; none while it is not shown.
  QToolButton* cancelButton(const Task& task) const;
  QProgressBar* progressBar(const Task& task) const;

  // Reads the tasks again: progress, rows to show, rows to drop.
  void refresh();

private:
  struct Row {
    std::shared_ptr<Task> task;
    QElapsedTimer since;
    QWidget* widget = nullptr;
    QLabel* title = nullptr;
    QProgressBar* bar = nullptr;
    QToolButton* cancel = nullptr;
  };
  void cancel(const Task& task);
  const Row* rowOf(const Task& task) const;

  int showAfter_;
  std::vector<Row> rows_;
  QTimer timer_;
};

}  // namespace ornival
