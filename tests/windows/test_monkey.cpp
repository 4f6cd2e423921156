// A monkey in the real program: random clicks on the buttons of whatever window is in view,
// random text typed and pasted into its boxes, random option buttons and calculator keys, for a
// bounded time. Fault boxes are the real modal boxes and are dismissed as a pupil would. After
// every event the program is alive, exactly one window is in view, and no box is left open.
//
// NUMORA_MONKEY_SECONDS (default 60) and NUMORA_MONKEY_SEED (default fixed) steer a run; the
// seed is printed on failure so that the run can be repeated.
#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <chrono>
#include <random>

#include "app/MainMenuWindow.h"
#include "app/Registry.h"
#include "tests/windows/Harness.h"
#include "ui/frame/QtServices.h"

using namespace numora;

namespace {

// The real boxes, with a dismisser that presses OK as soon as the box's event loop runs.
class DismissedBoxes final : public MessageBoxes {
 public:
  int shown = 0;
  QString badCaption;
  void show(const Message& message) override {
    ++shown;
    if (message.caption != QStringLiteral("Numora")) badCaption = message.caption;
    QTimer::singleShot(0, [] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        box->button(QMessageBox::Ok)->click();
    });
    real_.show(message);
  }
  bool ask(const Message& question) override {
    ++shown;
    if (question.caption != QStringLiteral("Numora")) badCaption = question.caption;
    QTimer::singleShot(0, [] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
        box->button(QMessageBox::No)->click();
    });
    return real_.ask(question);
  }

 private:
  ModalMessageBoxes real_;
};

// Types text key by key, any script: the key events carry the characters themselves.
void TypeInto(QLineEdit* box, const QString& text) {
  for (char32_t character : text.toUcs4())
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUcs4(&character, 1),
                        Qt::NoModifier);
}

class Text {
 public:
  explicit Text(std::mt19937& random) : random_(random) {}

  QString next() {
    static const QString pieces[] = {"0",        "1",          "2",          "3",
                                     "7",        "9",          "12",         "-",
                                     "+",        ".",          ",",          "e",
                                     "E",        "D",          "d",          "308",
                                     "999",      "1e200",      "&H",         "FFFF",
                                     "&O",       "777",        " ",          "\t",
                                     "\n",       "abc",        u"\u066B"_qs, u"٠١٢٣٤٥٦٧٨٩"_qs,
                                     u"سلام"_qs, u"\u0000"_qs, u"\u200F"_qs, u"\U0001F600"_qs,
                                     "1e-320"};
    std::uniform_int_distribution<int> length(0, 6), piece(0, std::size(pieces) - 1);
    QString text;
    for (int i = length(random_); i > 0; --i) text += pieces[piece(random_)];
    return text;
  }

  QString huge() {
    QString text = next();
    text.reserve(100'000);
    while (text.size() < 100'000) text += next() + "5";
    return text;
  }

 private:
  std::mt19937& random_;
};

}  // namespace

class MonkeyTest : public QObject {
  Q_OBJECT

 private slots:
  void randomUseNeverBreaksTheProgram();
};

void MonkeyTest::randomUseNeverBreaksTheProgram() {
  const int seconds = qEnvironmentVariableIsSet("NUMORA_MONKEY_SECONDS")
                          ? qEnvironmentVariableIntValue("NUMORA_MONKEY_SECONDS")
                          : 60;
  const unsigned seed = qEnvironmentVariableIsSet("NUMORA_MONKEY_SEED")
                            ? qEnvironmentVariableIntValue("NUMORA_MONKEY_SEED")
                            : 20261208u;
  const QByteArray where = "seed " + QByteArray::number(seed);
  std::mt19937 random(seed);
  Text text(random);

  testing::RecordingEnd end;
  DismissedBoxes boxes;
  Registry registry(end, boxes, Numerals(u'.'));
  registry.show(FormId::Form1);

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  long events = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    std::vector<FormWindow*> visible;
    for (int n = 1; n <= kFormCount; ++n)
      if (FormWindow* w = registry.created(static_cast<FormId>(n)); w && w->isVisible())
        visible.push_back(w);
    QVERIFY2(visible.size() == 1, where + ": " + QByteArray::number(visible.size()) +
                                      " windows in view after event " + QByteArray::number(events));
    FormWindow* window = visible.front();

    QList<QAbstractButton*> buttons;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
      // Only what a pupil can click: a hidden button (the menu bar's extension, say) is not.
      if (!button->isVisibleTo(window)) continue;
      // The ways of ending the program are tested on their own; the monkey stays inside.
      if (button->text() == u"خروج"_qs || button->text() == "Exit") continue;
      buttons << button;
    }
    const QList<QLineEdit*> boxesInView = window->findChildren<QLineEdit*>();

    std::uniform_int_distribution<int> action(0, 9);
    const int chosen = action(random);
    if (chosen < 6 || boxesInView.isEmpty()) {
      std::uniform_int_distribution<int> pick(0, buttons.size() - 1);
      if (!buttons.isEmpty()) buttons[pick(random)]->click();
    } else {
      std::uniform_int_distribution<int> pick(0, boxesInView.size() - 1);
      QLineEdit* box = boxesInView[pick(random)];
      if (chosen == 6) box->clear();
      if (chosen == 9 && (events % 50) == 0)
        box->insert(text.huge());  // pasted
      else if (chosen >= 8)
        box->insert(text.next());  // pasted
      else
        TypeInto(box, text.next());
    }
    ++events;
    QVERIFY2(QApplication::activeModalWidget() == nullptr, where + ": a box was left open");
    QVERIFY2(end.calls == 0, where + ": the program was ended");
  }
  QVERIFY2(boxes.badCaption.isEmpty(), where + ": a box captioned " + boxes.badCaption.toUtf8());
  qInfo("%ld events, %d fault boxes dismissed, %s", events, boxes.shown, where.constData());
}

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
