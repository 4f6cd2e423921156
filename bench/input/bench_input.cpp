// What any text and many clicks cost: pastes of 10 KB to 1 MB of digits, right-to-left marks and
// letters into a box, each answered by a click (the paste's time, the click's, the memory the
// process gained, the processor's share while the box then holds the text and has the focus);
// the resident memory of a window after 100, 1,000 and 10,000 calculations; and a settings file of
// 100 MB read and written. Measured on Qt's offscreen platform, never enforced.

#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "app/Registry.h"
#include "bench/BenchProgram.h"
#include "ui/frame/Services.h"
#include "ui/platform/FormulaSetting.h"
#include "ui/platform/Settings.h"

using namespace numora;

namespace {

using numora::bench::TheProgram;

double ResidentMiB() {
  QFile statm(QStringLiteral("/proc/self/statm"));
  if (!statm.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> fields = statm.readAll().split(' ');
  return fields.size() < 2 ? 0 : fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1048576.0;
}

double ProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Lets the event loop wait for a while, as an idle program does between a pupil's keys.
void Idle(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QString Repeated(const QString& unit, int bytes) {
  QString text;
  const int units = bytes / int(unit.toUtf8().size());
  text.reserve(units * unit.size());
  for (int i = 0; i < units; ++i) text += unit;
  return text;
}

void Pastes(Registry& registry) {
  std::printf("Pastes into the circle's radius, each answered by a click:\n");
  std::printf("%-8s %8s %10s %10s %12s %10s\n", "text", "size", "paste ms", "click ms",
              "memory MiB", "idle core");
  const struct {
    const char* name;
    QString unit;
  } kinds[] = {{"digits", QStringLiteral("7")},
               {"marks", QString(QChar(0x200F))},
               {"letters", QStringLiteral(u"نق")}};
  FormWindow& window = registry.form(FormId::Form5);
  window.show();
  auto* box = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
  auto* calculate = window.findChild<QPushButton*>(QStringLiteral("Command1"));
  for (const auto& kind : kinds) {
    for (const int bytes : {10'000, 100'000, 1'000'000}) {
      box->setText(QStringLiteral("7"));
      calculate->click();
      Idle(200);
      const double before = ResidentMiB();
      QGuiApplication::clipboard()->setText(Repeated(kind.unit, bytes));
      box->setFocus();
      box->selectAll();
      QElapsedTimer clock;
      clock.start();
      box->paste();
      QCoreApplication::processEvents();
      const double pasted = double(clock.nsecsElapsed()) / 1e6;
      clock.restart();
      calculate->click();
      QCoreApplication::processEvents();
      const double clicked = double(clock.nsecsElapsed()) / 1e6;
      box->setFocus();
      const double startCore = ProcessorSeconds();
      clock.restart();
      Idle(2000);
      const double core = (ProcessorSeconds() - startCore) / (double(clock.elapsed()) / 1000.0);
      std::printf("%-8s %6d kB %10.1f %10.1f %12.1f %9.0f %%\n", kind.name, bytes / 1000, pasted,
                  clicked, ResidentMiB() - before, core * 100);
    }
  }
  QGuiApplication::clipboard()->clear();
  window.hide();
}

// The resident memory of a window after a number of its calculations, each with its solution and
// figure shown and the events of a click let through, as a pupil clicks.
void Calculations(Registry& registry, FormId id, const char* name,
                  std::initializer_list<std::pair<const char*, const char*>> inputs) {
  FormWindow& window = registry.form(id);
  window.show();
  for (const auto& [box, text] : inputs)
    window.findChild<QLineEdit*>(QLatin1String(box))->setText(QString::fromUtf8(text));
  auto* calculate = window.findChild<QPushButton*>(QStringLiteral("Command1"));
  double at100 = 0;
  std::printf("%-10s", name);
  auto* first = window.findChild<QLineEdit*>(QLatin1String(inputs.begin()->first));
  for (int click = 1; click <= 10'000; ++click) {
    // A new number at each click, typed over the last one, as a pupil tries one after another.
    first->selectAll();
    first->insert(QString::number(click % 997 + 2) + QStringLiteral(".5"));
    calculate->click();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (click == 100 || click == 1'000 || click == 10'000) {
      const double now = ResidentMiB();
      if (click == 100) at100 = now;
      std::printf(" %10.1f", now);
      if (click == 10'000) std::printf(" %12.2f\n", (now - at100) * 1024.0 / 9'900.0);
      std::fflush(stdout);
    }
  }
  window.hide();
}

}  // namespace

// A settings file of 100 MB, the program's own groups in it: the memory its reading and a choice
// kept cost.
void HugeSettings() {
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("numora.conf"));
  {
    QFile grown(file);
    if (!grown.open(QIODevice::WriteOnly)) return;
    grown.write("[formulas]\ndirection=rtl\n");
    const QByteArray junk = "[junk]\nkey=" + QByteArray(1000, 'j') + "\n";
    for (int i = 0; i < 100'000; ++i) grown.write(junk);
  }
  const double before = ResidentMiB();
  QElapsedTimer clock;
  clock.start();
  SettingsStore store(file);
  FormulaSetting formulas(Notation(), store);
  const double read = double(clock.nsecsElapsed()) / 1e6;
  clock.restart();
  formulas.toggle();
  std::printf(
      "\nA settings file of 100 MB: read in %.0f ms, a choice kept in %.0f ms (%s), "
      "%.1f MiB more resident, the file now %lld bytes\n",
      read, double(clock.nsecsElapsed()) / 1e6, store.kept() ? "kept" : "not kept",
      ResidentMiB() - before, static_cast<long long>(QFileInfo(file).size()));
}

// With "pastes", "memory" or "settings", only that part.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  Registry& registry = TheProgram().registry;
  const bool onlyMemory = argc > 1 && QByteArray(argv[1]) == "memory";
  const bool onlyPastes = argc > 1 && QByteArray(argv[1]) == "pastes";
  if (!onlyMemory) Pastes(registry);
  if (onlyPastes) return 0;
  if (argc > 1 && QByteArray(argv[1]) == "settings") {
    HugeSettings();
    return 0;
  }
  std::printf("\nResident memory (MiB) after calculations in one window:\n");
  std::printf("%-10s %10s %10s %10s %12s\n", "window", "100", "1,000", "10,000", "kB/click");
  Calculations(registry, FormId::Form5, "circle", {{"Text1", "7"}});
  Calculations(registry, FormId::Form13, "quadratic",
               {{"Text1", "2"}, {"Text2", "-7"}, {"Text3", "3"}});
  if (!onlyMemory) HugeSettings();
  return 0;
}
