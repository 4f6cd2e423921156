#pragma once

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "app/Registry.h"
#include "ui/frame/Services.h"

// Window tests pass a window's number as test data.
Q_DECLARE_METATYPE(numora::FormId)

namespace numora::testing {

struct RecordingEnd final : ProgramEnd {
  int calls = 0;
  void endProgram() override { ++calls; }
};

// Records boxes instead of showing them, so that no test ever waits on a modal box; a question is
// answered with `answer`.
struct RecordingMessages final : MessageBoxes {
  std::vector<Message> shown;
  std::vector<Message> asked;
  bool answer = false;
  void show(const Message& message) override { shown.push_back(message); }
  bool ask(const Message& question) override {
    asked.push_back(question);
    return answer;
  }
};

// A whole program with recorders in place of ending the process and of message boxes, and its
// settings in a file of its own (by default a fresh one, so that no test reads or writes the
// user's).
struct Program {
  explicit Program(Numerals numerals = {},
                   FormulaDirection direction = FormulaDirection::LeftToRight,
                   const QString& settingsFile = {})
      : registry(end, messages, Notation(numerals, NotationStyle::Mashriq, direction),
                 settingsFile.isEmpty() ? settings.filePath(QStringLiteral("numora.ini"))
                                        : settingsFile) {}

  template <typename Form>
  Form& form(FormId id) {
    return dynamic_cast<Form&>(registry.form(id));
  }

  // The program's windows that are in view.
  std::vector<FormWindow*> visible() const {
    std::vector<FormWindow*> windows;
    for (int n = 1; n <= kFormCount; ++n)
      if (FormWindow* window = registry.created(static_cast<FormId>(n));
          window && window->isVisible())
        windows.push_back(window);
    return windows;
  }

  QTemporaryDir settings;
  RecordingEnd end;
  RecordingMessages messages;
  Registry registry;
};

// A file system of its own, as small as asked, mounted on a new folder while the object lives:
// where writing runs out of room. Not mounted (ready() false) where the machine allows no mount.
class SmallFileSystem {
 public:
  explicit SmallFileSystem(const char* size = "256k") {
#ifdef Q_OS_LINUX
    mounted_ =
        QProcess::execute(QStringLiteral("mount"),
                          {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                           QStringLiteral("size=") + QLatin1String(size), QStringLiteral("tmpfs"),
                           folder_.path()}) == 0;
#else
    Q_UNUSED(size);
#endif
  }
  ~SmallFileSystem() {
    if (mounted_) QProcess::execute(QStringLiteral("umount"), {folder_.path()});
  }
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;

  bool ready() const { return mounted_; }
  QString filePath(const QString& name) const { return folder_.filePath(name); }
  QString path() const { return folder_.path(); }

 private:
  QTemporaryDir folder_;
  bool mounted_ = false;
};

// Types each "name, text" pair of the list into the named box, replacing what it held. Letters
// beyond Latin-1, such as Arabic-Indic digits, are typed as keys that carry them.
inline bool Type(FormWindow& window, const QStringList& inputs) {
  for (int i = 0; i + 1 < inputs.size(); i += 2) {
    auto* box = window.findChild<QLineEdit*>(inputs[i]);
    if (box == nullptr) return false;
    box->clear();
    for (const QChar letter : inputs[i + 1]) {
      if (letter.toLatin1() != 0)
        QTest::keyClick(box, letter.toLatin1());
      else
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(letter), Qt::NoModifier);
    }
  }
  return true;
}

// Tab from the focus until the named control has it, as a pupil does.
bool TabTo(QWidget& window, const char* name) {
  for (int i = 0; i < 40; ++i) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) return false;
    if (focus->objectName() == QLatin1String(name)) return true;
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  return window.focusWidget() != nullptr &&
         window.focusWidget()->objectName() == QLatin1String(name);
}

// The button that computes ("احسب", or "حساب"): Command2 in the Pythagoras and sphere windows,
// Command1 elsewhere.
inline QPushButton* CalculateButton(Program& program, FormId id) {
  const bool second = id == FormId::Form11 || id == FormId::Form9;
  return program.registry.form(id).findChild<QPushButton*>(second ? "Command2" : "Command1");
}

inline void Calculate(Program& program, FormId id) { CalculateButton(program, id)->click(); }

// A pupil's click: shows the window, types each "name, text" pair into it and presses its
// calculate button. False when a named box is missing.
inline bool Solve(Program& program, FormId id, const QStringList& inputs) {
  program.registry.show(id);
  if (!Type(program.registry.form(id), inputs)) return false;
  Calculate(program, id);
  return true;
}

// The topic windows, each with a calculate button and results.
constexpr FormId kTopicWindows[] = {FormId::Form2,  FormId::Form3,  FormId::Form4,  FormId::Form5,
                                    FormId::Form6,  FormId::Form7,  FormId::Form8,  FormId::Form9,
                                    FormId::Form11, FormId::Form12, FormId::Form13, FormId::Form15};

// The fields a calculation writes: the framed labels, the quadratic's roots, the temperature box.
inline std::vector<QWidget*> ResultFields(FormWindow& window, FormId id) {
  std::vector<QWidget*> fields;
  for (QLabel* label : window.findChildren<QLabel*>())
    if (label->frameShape() == QFrame::Panel) fields.push_back(label);
  if (id == FormId::Form13)
    for (const char* name : {"Text4", "Text5"})
      fields.push_back(window.findChild<QLineEdit*>(name));
  if (id == FormId::Form15) fields.push_back(window.findChild<QLineEdit*>("Text1"));
  return fields;
}

// The texts of the labels and boxes named in a "name, text" list, in the same form.
inline QStringList Shown(const FormWindow& window, const QStringList& expected) {
  QStringList shown;
  for (int i = 0; i + 1 < expected.size(); i += 2) {
    QString text = QStringLiteral("(missing)");
    if (const auto* label = window.findChild<QLabel*>(expected[i]))
      text = label->text();
    else if (const auto* box = window.findChild<QLineEdit*>(expected[i]))
      text = box->text();
    shown << expected[i] << text;
  }
  return shown;
}

// The pages of the print preview that `open` opens, as the preview shows them, closed unprinted at
// once; -1 where no preview opened.
inline int PreviewedPages(const std::function<void()>& open) {
  int pages = -1;
  QTimer look;
  QObject::connect(&look, &QTimer::timeout, [&pages] {
    if (auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget())) {
      if (const auto* widget = preview->findChild<QPrintPreviewWidget*>())
        pages = widget->pageCount();
      preview->reject();
    }
  });
  look.start(20);
  open();
  return pages;
}

}  // namespace numora::testing
