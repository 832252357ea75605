// Where work runs: a process-wide pool of workers and the one user-interface thread.
#pragma once

#include <functional>

namespace zorvat {

class Dispatcher {
 public:
  virtual ~Dispatcher() = default;

  // Runs the job on a worker of the pool; returns at once.
  virtual void RunInBackground(std::function<void()> job) = 0;
  // Queues the job for the user-interface thread; returns at once.
  virtual void PostToUi(std::function<void()> job) = 0;
  // Runs the job on the user-interface thread and waits for it; on that thread it runs at
  // once. An exception of the job reaches the caller.
  virtual void RunOnUiAndWait(const std::function<void()>& job) = 0;
  virtual bool OnUiThread() const = 0;
};

}  // namespace zorvat
