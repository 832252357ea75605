#include "ui/web_tarayici.h"

#include <QPointer>

namespace zorvat {

void Bagla(QWebEngineView* widget, WebBrowserState& state) {
  const auto git = [view = QPointer<QWebEngineView>(widget), &state] {
    if (view && view->url() != QUrl(QString::fromStdString(state.Url()))) {
      view->setUrl(QUrl(QString::fromStdString(state.Url())));
    }
  };
  // The view lives no longer than its window; the window's state outlives both.
  auto* abonelik = new Subscription(state.Changed.Connect(git));
  QObject::connect(widget, &QObject::destroyed, [abonelik] { delete abonelik; });
  git();
}

}  // namespace zorvat
