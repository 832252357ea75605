// The dispatcher of the program: one process-wide pool of workers, and the Qt event loop
// as the user-interface thread.
#pragma once

#include <exception>
#include <functional>

#include "net/dispatcher.h"

class QThreadPool;

namespace zorvat {

class QtDispatcher : public Dispatcher {
 public:
  // Background loads mostly wait on the network, so the pool has more workers than the
  // machine has cores: several pages may load at once without queueing behind each other.
  static constexpr int kMinimumWorkers = 8;

  // Create it on the user-interface thread once the application object exists. A job
  // posted to the user-interface thread that throws is handed to onError (the program's
  // default error handling by default).
  explicit QtDispatcher(std::function<void(std::exception_ptr)> onError = {});
  // Waits for the running background jobs.
  ~QtDispatcher() override;

  void RunInBackground(std::function<void()> job) override;
  void PostToUi(std::function<void()> job) override;
  void RunOnUiAndWait(const std::function<void()>& job) override;
  bool OnUiThread() const override;

 private:
  std::function<void(std::exception_ptr)> onError_;
  QThreadPool* pool_;
};

}  // namespace zorvat
