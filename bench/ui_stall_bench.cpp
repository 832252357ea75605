// How long the user-interface thread stalls while a page loads a large stock search: the
// grid is detached and locked, a worker parses and loads 50,000 rows into the detached
// table, and the completion step re-attaches the grid on the user-interface thread. A 1 ms
// heartbeat on that thread records the longest gap between two of its beats, which is the
// longest time the window could not answer the user; one frame is 16 ms.
//
//   zorvat_ui_stall_bench [rows] [rounds]     (offscreen unless QT_QPA_PLATFORM says otherwise)
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "bench/stock_list.h"
#include "net/await.h"
#include "net/bicim.h"
#include "net/services.h"
#include "net/utils.h"
#include "remote/table_codec.h"
#include "ui/animations.h"
#include "ui/bindings.h"
#include "ui/grid.h"
#include "ui/look.h"
#include "ui/qt_dispatcher.h"

namespace zorvat {
namespace {

struct Round {
  double loadMs = 0;          // on the worker
  double attachMs = 0;        // the completion step on the user-interface thread
  double longestGapMs = 0;    // wall time between heartbeats, from the start until the grid has painted
  double longestBusyMs = 0;   // the user-interface thread's own processor time between heartbeats
};

// Processor time of the calling thread; 0 where the system does not tell it.
qint64 ThreadCpuNs() {
#ifdef CLOCK_THREAD_CPUTIME_ID
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
#else
  return 0;
#endif
}

void StockColumns(GridView& view) {
  for (const bench::Column& column : bench::kStockColumns) {
    GridColumn& added = view.AddColumn(std::string("col") + column.name, column.name, column.name);
    const std::string name = column.name;
    if (name == "DURUM") {
      added.kind = CellKind::Icon;
      added.icons = DurumSimgeleri();
    } else if (name == "Y" || name == "K") {
      added.kind = CellKind::Icon;
      added.icons = EvetHayirSimgeleri(name == "Y" ? Simge::Yeni : Simge::Kampanya);
    }
  }
  view.FooterSummaries() = {{SummaryKind::Count, "", "colOEM1", ""}, {SummaryKind::Sum, "KDVDAHIL", "colKDVDAHIL", ""}};
  view.Options().showFooter = true;
  view.Options().rowHeight = 60;
}

// Runs the event loop until done() holds, noting the longest gap between heartbeats in wall
// time and in the thread's own processor time.
void MeasureUntil(const std::function<bool()>& done, Round& round) {
  QElapsedTimer clock;
  clock.start();
  qint64 lastWall = clock.nsecsElapsed();
  qint64 lastCpu = ThreadCpuNs();
  qint64 longestWall = 0;
  qint64 longestCpu = 0;
  const auto beat = [&] {
    const qint64 wall = clock.nsecsElapsed();
    const qint64 cpu = ThreadCpuNs();
    longestWall = std::max(longestWall, wall - lastWall);
    longestCpu = std::max(longestCpu, cpu - lastCpu);
    lastWall = wall;
    lastCpu = cpu;
  };
  QTimer heartbeat;
  heartbeat.setTimerType(Qt::PreciseTimer);
  heartbeat.setInterval(1);
  QObject::connect(&heartbeat, &QTimer::timeout, beat);
  heartbeat.start();
  while (!done()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  beat();
  round.longestGapMs = static_cast<double>(longestWall) / 1e6;
  round.longestBusyMs = static_cast<double>(longestCpu) / 1e6;
}

Round LoadOnce(const std::string& json, MemTable& table, GridView& view, BusyAnimationState& busy, QWidget& window) {
  Round round;
  bool completed = false;
  QElapsedTimer settle;
  const auto grabbedAfter = [&] { return completed && settle.isValid() && settle.elapsed() > 300; };

  // Start, on the user-interface thread: the pattern of every page load.
  busy.SetVisible(true);
  view.SetDataSource(nullptr);
  view.BeginUpdate();
  Async([&] {
    QElapsedTimer timer;
    timer.start();
    table.DisableControls();
    LoadTableObject(TableObject::FromJson(json), table, ColumnRule::Replace);
    FloatAlanBicimle(table);
    table.EnableControls();
    round.loadMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  })->Await([&] {
    QElapsedTimer timer;
    timer.start();
    view.SetDataSource(&table);
    view.EndUpdate();
    busy.SetVisible(false);
    round.attachMs = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    completed = true;
    window.update();
    settle.start();
  });
  MeasureUntil(grabbedAfter, round);
  return round;
}

int Run(int rows, int rounds) {
  Services services;
  QtDispatcher dispatcher;
  services.dispatcher = &dispatcher;
  HizmetleriKur(services);

  QWidget window;
  window.resize(1350, 652);
  auto* layout = new QVBoxLayout(&window);
  BusyAnimationState busy;
  auto* animation = new MesgulAnimasyonu;
  layout->addWidget(animation);
  Bagla(animation, busy);
  MemTable table;
  GridView view;
  StockColumns(view);
  view.SetDataSource(&table);
  layout->addWidget(new Izgara(view), 1);
  window.show();
  QCoreApplication::processEvents();

  std::printf("Building a stock search answer of %d rows...\n", rows);
  const std::string json = bench::StockListJson(rows);
  std::printf("%zu bytes of JSON, %d rounds\n\n", json.size(), rounds);
  std::printf("round  worker load (ms)  attach step (ms)  longest UI stall (ms)  of it UI thread busy (ms)\n");
  std::vector<Round> results;
  for (int i = 0; i < rounds; ++i) {
    results.push_back(LoadOnce(json, table, view, busy, window));
    const Round& r = results.back();
    std::printf("%5d  %16.1f  %16.2f  %21.2f  %25.2f\n", i + 1, r.loadMs, r.attachMs, r.longestGapMs, r.longestBusyMs);
  }
  const auto by = [](double Round::*figure) {
    return [figure](const Round& a, const Round& b) { return a.*figure < b.*figure; };
  };
  const double longestGap = std::max_element(results.begin(), results.end(), by(&Round::longestGapMs))->longestGapMs;
  const double longestBusy = std::max_element(results.begin(), results.end(), by(&Round::longestBusyMs))->longestBusyMs;
  std::printf("\nrows shown: %zu; longest user-interface stall: %.2f ms, of it the thread's own work: %.2f ms"
              " (one frame: 16 ms)\n",
              view.RowCount(), longestGap, longestBusy);
  HizmetleriKur(Services{});
  return longestBusy <= 16.0 ? 0 : 1;
}

}  // namespace
}  // namespace zorvat

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  zorvat::gorunum::Uygula(application);
  const int rows = argc > 1 ? std::stoi(argv[1]) : 50000;
  const int rounds = argc > 2 ? std::stoi(argv[2]) : 5;
  return zorvat::Run(rows, rounds);
}
