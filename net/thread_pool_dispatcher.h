// A dispatcher on the standard library: a fixed pool of workers, and a queue of jobs for
// the thread that created it, which plays the user-interface thread and runs them when it
// pumps. Tests and tools use it; the program uses the toolkit's.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "net/dispatcher.h"

namespace zorvat {

class ThreadPoolDispatcher : public Dispatcher {
 public:
  // A job posted to the user-interface thread that throws is handed to onError (the default
  // error handling of the program, by default).
  explicit ThreadPoolDispatcher(unsigned workers = 4,
                                std::function<void(std::exception_ptr)> onError = {});
  // Finishes the jobs already queued for the workers, then stops them.
  ~ThreadPoolDispatcher() override;

  void RunInBackground(std::function<void()> job) override;
  void PostToUi(std::function<void()> job) override;
  void RunOnUiAndWait(const std::function<void()>& job) override;
  bool OnUiThread() const override;

  // On the user-interface thread: runs the queued jobs; returns how many ran.
  int ProcessUiEvents();
  // On the user-interface thread: runs jobs as they come until done() holds or the time is
  // up; returns done().
  bool ProcessUiEventsUntil(const std::function<bool()>& done,
                            std::chrono::milliseconds timeout = std::chrono::seconds(30));

 private:
  void WorkerLoop();

  std::thread::id uiThread_;
  std::function<void(std::exception_ptr)> onError_;

  std::mutex workMutex_;
  std::condition_variable workReady_;
  std::deque<std::function<void()>> work_;
  bool stopping_ = false;
  std::vector<std::thread> workers_;

  std::mutex uiMutex_;
  std::condition_variable uiReady_;
  std::deque<std::function<void()>> uiJobs_;
};

}  // namespace zorvat
