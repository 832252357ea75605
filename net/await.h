// Runs a background procedure on a worker, then a completion procedure on the
// user-interface thread. The caller calls Await at once on what Async returns and keeps no
// reference: the object lives until its completion has run.
#pragma once

#include <functional>
#include <memory>

namespace zorvat {

class TAwait : public std::enable_shared_from_this<TAwait> {
 public:
  explicit TAwait(std::function<void()> async) : FAsync(std::move(async)) {}

  // Schedules the background procedure and returns at once. When it has ended, normally or
  // by an exception, the completion is posted to the user-interface thread; an exception of
  // the background procedure is raised again there after the completion, where the default
  // error handling shows it.
  void Await(std::function<void()> completion);

 private:
  std::function<void()> FAsync;
};

std::shared_ptr<TAwait> Async(std::function<void()> background);

}  // namespace zorvat
