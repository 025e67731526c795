#include "platform/ParallelFor.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace ornival {

namespace {

// One call's iterations. Threads claim indices one at a time; the thread that
// finishes the last one wakes the caller.
struct Loop {
  Loop(std::size_t count, const std::function<void(std::size_t)>& body) : count(count), body(body) {}

  const std::size_t count;
  const std::function<void(std::size_t)>& body;
  std::atomic<std::size_t> next = 0;
  std::atomic<std::size_t> finished = 0;
  std::mutex mutex;
  std::condition_variable done;
  bool complete = false;

  bool exhausted() const { return next.load(std::memory_order_relaxed) >= count; }

  // Runs iterations until none is left to claim.
  void work() noexcept {
    for (std::size_t i = next.fetch_add(1); i < count; i = next.fetch_add(1)) {
      body(i);
      // acq_rel chains every finisher's writes to the last one, which hands
      // them to the caller under the mutex.
      if (finished.fetch_add(1, std::memory_order_acq_rel) + 1 == count) {
        std::lock_guard lock(mutex);
        complete = true;
        done.notify_all();
      }
    }
  }

  void wait() {
    std::unique_lock lock(mutex);
    done.wait(lock, [&] { return complete; });
  }
};

class Pool {
public:
  Pool() {
    const unsigned size = std::max(1u, std::thread::hardware_concurrency());
    threads_.reserve(size);
    for (unsigned i = 0; i < size; ++i)
      threads_.emplace_back([this] { serve(); });
  }

  ~Pool() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_all();
    for (auto& thread : threads_)
      thread.join();
  }

  void run(std::size_t count, const std::function<void(std::size_t)>& body) {
    const auto loop = std::make_shared<Loop>(count, body);
    {
      std::lock_guard lock(mutex_);
      loops_.push_back(loop);
    }
    wake_.notify_all();
    loop->work();
    {
      std::lock_guard lock(mutex_);
      std::erase(loops_, loop);
    }
    loop->wait();
  }

private:
  void serve() {
    while (true) {
      std::shared_ptr<Loop> loop;
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [&] {
          while (!loops_.empty() && loops_.front()->exhausted())
            loops_.pop_front();
          return stopping_ || !loops_.empty();
        });
        if (stopping_)
          return;
        loop = loops_.front();
      }
      loop->work();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  // Loops that may still have iterations to claim, oldest first.
  std::deque<std::shared_ptr<Loop>> loops_;
  bool stopping_ = false;
  std::vector<std::thread> threads_;
};

}  // namespace

void parallelFor(std::size_t count, const std::function<void(std::size_t)>& body) {
  if (count == 0)
    return;
  if (count == 1) {
    body(0);
    return;
  }
  static Pool pool;
  pool.run(count, body);
}

}  // namespace ornival
