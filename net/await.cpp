#include "net/await.h"

#include <exception>

#include "net/services.h"

namespace zorvat {

void TAwait::Await(std::function<void()> completion) {
  Dagitici().RunInBackground([self = shared_from_this(), completion = std::move(completion)] {
    std::exception_ptr error;
    try {
      self->FAsync();
    } catch (...) {
      error = std::current_exception();
    }
    Dagitici().PostToUi([self, completion, error] {
      completion();
      if (error) std::rethrow_exception(error);
    });
  });
}

std::shared_ptr<TAwait> Async(std::function<void()> background) {
  return std::make_shared<TAwait>(std::move(background));
}

}  // namespace zorvat
