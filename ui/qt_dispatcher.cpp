#include "ui/qt_dispatcher.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <QThreadPool>
#include <algorithm>

#include "net/services.h"

namespace zorvat {

QtDispatcher::QtDispatcher(std::function<void(std::exception_ptr)> onError)
    : onError_(onError ? std::move(onError) : VarsayilanHataGoster), pool_(QThreadPool::globalInstance()) {
  pool_->setMaxThreadCount(std::max(kMinimumWorkers, QThread::idealThreadCount()));
}

QtDispatcher::~QtDispatcher() { pool_->waitForDone(); }

void QtDispatcher::RunInBackground(std::function<void()> job) {
  // A job that lets an exception escape must not end the process: its message is shown on
  // the user-interface thread.
  pool_->start([this, job = std::move(job)] {
    try {
      job();
    } catch (...) {
      PostToUi([error = std::current_exception()] { std::rethrow_exception(error); });
    }
  });
}

void QtDispatcher::PostToUi(std::function<void()> job) {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [onError = onError_, job = std::move(job)] {
        try {
          job();
        } catch (...) {
          onError(std::current_exception());
        }
      },
      Qt::QueuedConnection);
}

void QtDispatcher::RunOnUiAndWait(const std::function<void()>& job) {
  if (OnUiThread()) {
    job();
    return;
  }
  std::exception_ptr error;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [&job, &error] {
        try {
          job();
        } catch (...) {
          error = std::current_exception();
        }
      },
      Qt::BlockingQueuedConnection);
  if (error) std::rethrow_exception(error);
}

bool QtDispatcher::OnUiThread() const {
  return QThread::currentThread() == QCoreApplication::instance()->thread();
}

}  // namespace zorvat
