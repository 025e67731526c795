#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

class QAction;

namespace ornival {

// Gives Examples menu items the thumbnails of their files as their icons,
// once drawn on the export queue, flat or in relief; the main thread only
// sets them. The icon never comes when the file cannot be shown or the item
// is gone first.
//
// Dropping it waits for the drawings still under way and keeps them from
// handing anything back: the application it belongs to is going, and with it
// the main queue they would post to.
class ExampleIcons {
public:
  ExampleIcons() = default;
  ~ExampleIcons();
  ExampleIcons(const ExampleIcons&) = delete;
  ExampleIcons& operator=(const ExampleIcons&) = delete;

  void request(QAction& action, const std::string& file);

  // Told the thread each picture was drawn on, before it is handed over. Set
  // before the first request.
  std::function<void(std::thread::id)> drawnOn;

private:
  std::mutex mutex_;
  std::condition_variable finished_;
  int running_ = 0;
  bool stopping_ = false;
};

}  // namespace ornival
