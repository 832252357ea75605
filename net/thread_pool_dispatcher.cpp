#include "net/thread_pool_dispatcher.h"

#include <algorithm>
#include <future>

#include "net/services.h"

namespace zorvat {

ThreadPoolDispatcher::ThreadPoolDispatcher(unsigned workers,
                                           std::function<void(std::exception_ptr)> onError)
    : uiThread_(std::this_thread::get_id()),
      onError_(onError ? std::move(onError) : VarsayilanHataGoster) {
  for (unsigned i = 0; i < std::max(1u, workers); ++i) workers_.emplace_back([this] { WorkerLoop(); });
}

ThreadPoolDispatcher::~ThreadPoolDispatcher() {
  {
    std::lock_guard lock(workMutex_);
    stopping_ = true;
  }
  workReady_.notify_all();
  for (std::thread& worker : workers_) worker.join();
}

void ThreadPoolDispatcher::WorkerLoop() {
  for (;;) {
    std::function<void()> job;
    {
      std::unique_lock lock(workMutex_);
      workReady_.wait(lock, [this] { return stopping_ || !work_.empty(); });
      if (work_.empty()) return;
      job = std::move(work_.front());
      work_.pop_front();
    }
    job();
  }
}

void ThreadPoolDispatcher::RunInBackground(std::function<void()> job) {
  {
    std::lock_guard lock(workMutex_);
    work_.push_back(std::move(job));
  }
  workReady_.notify_one();
}

void ThreadPoolDispatcher::PostToUi(std::function<void()> job) {
  {
    std::lock_guard lock(uiMutex_);
    uiJobs_.push_back(std::move(job));
  }
  uiReady_.notify_all();
}

void ThreadPoolDispatcher::RunOnUiAndWait(const std::function<void()>& job) {
  if (OnUiThread()) {
    job();
    return;
  }
  std::promise<void> done;
  std::future<void> finished = done.get_future();
  PostToUi([&job, &done] {
    try {
      job();
      done.set_value();
    } catch (...) {
      done.set_exception(std::current_exception());
    }
  });
  finished.get();
}

bool ThreadPoolDispatcher::OnUiThread() const { return std::this_thread::get_id() == uiThread_; }

int ThreadPoolDispatcher::ProcessUiEvents() {
  int ran = 0;
  for (;;) {
    std::function<void()> job;
    {
      std::lock_guard lock(uiMutex_);
      if (uiJobs_.empty()) return ran;
      job = std::move(uiJobs_.front());
      uiJobs_.pop_front();
    }
    try {
      job();
    } catch (...) {
      onError_(std::current_exception());
    }
    ++ran;
  }
}

bool ThreadPoolDispatcher::ProcessUiEventsUntil(const std::function<bool()>& done,
                                                std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    ProcessUiEvents();
    if (done()) return true;
    std::unique_lock lock(uiMutex_);
    if (!uiReady_.wait_until(lock, deadline, [this] { return !uiJobs_.empty(); })) return done();
  }
}

}  // namespace zorvat
