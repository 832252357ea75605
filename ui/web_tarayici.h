// The embedded web browser: a Qt WebEngine view that goes where its state sends it.
#pragma once

#include <QWebEngineView>

#include "ui/state/controls.h"

namespace zorvat {

void Bagla(QWebEngineView* widget, WebBrowserState& state);

}  // namespace zorvat
