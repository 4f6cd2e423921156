#include "app/frame/FormWindow.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "app/frame/FaultBox.h"
#include "app/frame/Twips.h"
#include "app/frame/Utf16Text.h"
#include "numeric/Conversions.h"

namespace numora {
namespace {

Qt::WindowFlags FlagsFor(const FormLook& look) {
  // A window without a task-bar button is a tool window; the frame decides the decorations.
  Qt::WindowFlags flags = look.taskbarButton ? Qt::Window : Qt::Tool;
  if (look.frame == FormLook::Frame::None) return flags | Qt::FramelessWindowHint;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
  return flags;
}

QFont FontFor(const FontSpec& wanted, const QFont& base) {
  if (wanted.family == nullptr) return base;
  QFont font(QString::fromLatin1(wanted.family));
  // Where the named font is missing, prefer a compact Arabic face so that captions keep close to
  // the room the layout gives them.
  font.setFamilies({QString::fromLatin1(wanted.family), QStringLiteral("Noto Naskh Arabic"),
                    QStringLiteral("DejaVu Sans")});
  font.setPointSizeF(wanted.pointSize);
  font.setBold(wanted.bold);
  return font;
}

QString Text(const char16_t* text) { return text ? QString::fromUtf16(text) : QString(); }

// A push button that shows where the keyboard focus is, whatever the style or skin draws: a
// frame in the palette's highlight colour inside its edge.
class FocusFramedButton final : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPushButton::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Active, QPalette::Highlight), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(3, 3, -3, -3));
  }
};

}  // namespace

FormWindow::FormWindow(const FormContext& context, const FormLook& look)
    : QWidget(nullptr, FlagsFor(look)),
      context_(context),
      look_(look),
      client_(new ClientArea(this)) {
  setWindowTitle(Text(look.caption));
  setFont(FontFor(look.font, font()));

  QPalette colours = palette();
  switch (look.background) {
    case FormLook::Background::ToolTip:
      colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
      break;
    case FormLook::Background::Desktop:
      colours.setColor(QPalette::Window, colours.color(QPalette::Dark));
      break;
    case FormLook::Background::WindowFace:
      break;
  }
  setPalette(colours);
  setAutoFillBackground(true);

  // Placement is absolute and reads left to right, whatever the language of the desktop.
  setLayoutDirection(Qt::LeftToRight);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  client_->setFixedSize(TwipsSize(look.clientWidth, look.clientHeight));
  layout->addWidget(client_);
}

FormWindow::~FormWindow() = default;

void FormWindow::run(const std::function<void()>& handler) {
  step_ = Step::None;
  try {
    handler();
  } catch (const Fault& fault) {
    stopWorking(View(FaultStop(fault)));
    context_.messages->show(FaultMessage(fault, step_, stepSubject_));
  } catch (const std::exception& failure) {
    failed(QString::fromLocal8Bit(failure.what()));
  } catch (...) {
    failed(QStringLiteral("unknown failure"));
  }
  expected_.clear();
  step_ = Step::None;
}

void FormWindow::failed(const QString& what) {
  stopWorking(View(FailureStop(what)));
  context_.messages->show(FailureMessage(what));
}

void FormWindow::during(Step step, const QString& subject) {
  step_ = step;
  stepSubject_ = subject;
}

void FormWindow::measuring(QWidget* result) {
  const auto formula = formulas_.find(result);
  const std::u16string_view words =
      formula == formulas_.end() ? std::u16string_view() : std::u16string_view(formula->second);
  during(Step::Measure, ToQString(std::u16string(words.substr(0, words.find(u" = ")))));
}

void FormWindow::onCalculate(QPushButton* button, std::function<void()> handler) {
  calculateButton_ = button;
  connect(button, &QAbstractButton::clicked, this, [this, handler = std::move(handler)] {
    computed_ = false;
    for (const auto& [result, formula] : formulas_) notes_.setStale(result, {});
    run([&] {
      // Until the handler says more, each result is expected with its formula in words.
      for (const auto& [result, formula] : formulas_) expect(result, Working(formula));
      handler();
    });
    computed_ = true;
  });
}

void FormWindow::place(QWidget* widget, const Control& row, bool takesFocus) {
  widget->setObjectName(QString::fromLatin1(row.name));
  widget->setGeometry(TwipsRect(row.left, row.top, row.width, row.height));
  if (row.style.font.family != nullptr) widget->setFont(FontFor(row.style.font, widget->font()));
  if (row.style.accessibleName != nullptr)
    widget->setAccessibleName(Text(row.style.accessibleName));
  if (row.style.description != nullptr)
    widget->setAccessibleDescription(Text(row.style.description));
  if (takesFocus && row.tabIndex >= 0) tabStops_.emplace_back(row.tabIndex, widget);
}

QPushButton* FormWindow::addButton(const Control& row, QWidget* container) {
  auto* button = new FocusFramedButton(Text(row.caption), container ? container : client_);
  button->setAutoDefault(false);
  button->setDefault(false);
  button->installEventFilter(this);
  place(button, row, true);
  return button;
}

QLineEdit* FormWindow::addTextBox(const Control& row, QWidget* container) {
  auto* box = new QLineEdit(container ? container : client_);
  box->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
  // A text box takes whatever the user types, however long.
  box->setMaxLength(std::numeric_limits<int>::max());
  place(box, row, true);
  // Any change that is not the window's own writing is an edit: typing, pasting, and text set
  // through assistive technology.
  connect(box, &QLineEdit::textChanged, this, [this, box] {
    if (!writing_) inputEdited(box);
  });
  return box;
}

QLabel* FormWindow::addLabel(const Control& row, QWidget* container) {
  auto* label = new QLabel(Text(row.caption), container ? container : client_);
  const Qt::Alignment horizontal =
      row.style.align == Align::Centre ? Qt::AlignHCenter : (Qt::AlignLeft | Qt::AlignAbsolute);
  label->setAlignment(horizontal | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  if (row.style.framed) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
    // A result can be selected and copied (Ctrl+C, the context menu). It takes the focus when
    // clicked, not on Tab, so the window's tab order stays as it is.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::ClickFocus);
  }
  if (row.style.colour != 0) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor::fromRgb(row.style.colour));
    label->setPalette(colours);
  }
  place(label, row, false);
  if (row.style.autoSize) {
    label->adjustSize();
  } else if (!row.style.framed) {
    // A caption is read whole: where the desktop's font is wider than the layout's, the label
    // grows around its box (from its left edge, or from its centre when centred) instead of
    // wrapping or cutting the words.
    const QSize needed = label->sizeHint();
    QRect box = label->geometry();
    if (needed.width() > box.width()) {
      const int grow = needed.width() - box.width();
      box.setLeft(box.left() - (row.style.align == Align::Centre ? grow / 2 : 0));
      box.setWidth(needed.width());
    }
    box.setHeight(std::max(box.height(), needed.height()));
    label->setGeometry(box);
  }
  return label;
}

QRadioButton* FormWindow::addOption(const Control& row, QWidget* container) {
  auto* option = new QRadioButton(Text(row.caption), container ? container : client_);
  place(option, row, true);
  return option;
}

QGroupBox* FormWindow::addFrame(const Control& row) {
  auto* frame = new QGroupBox(Text(row.caption), client_);
  place(frame, row, false);
  return frame;
}

QProgressBar* FormWindow::addProgressBar(const Control& row) {
  auto* bar = new QProgressBar(client_);
  bar->setTextVisible(false);
  place(bar, row, false);
  return bar;
}

QPushButton* FormWindow::addMainButton(const Control& row, ReturnOrder order) {
  QPushButton* button = addButton(row);
  onClick(button, [this, order] {
    if (order == ReturnOrder::ShowMainThenHide) {
      context_.showMainMenu();
      hide();
    } else {
      hide();
      context_.showMainMenu();
    }
  });
  return button;
}

void FormWindow::setMenuBar(QMenuBar* menuBar) { this->layout()->setMenuBar(menuBar); }

void FormWindow::addPicture(const char* resource, int left, int top, int width, int height) {
  client_->add(Picture{QString::fromLatin1(resource), left, top, width, height});
}

void FormWindow::addLine(int x1, int y1, int x2, int y2, int widthPixels, QColor colour) {
  client_->add(Line{x1, y1, x2, y2, widthPixels, colour});
}

void FormWindow::addShape(Shape::Kind kind, int left, int top, int width, int height,
                          int widthPixels) {
  client_->add(Shape{kind, left, top, width, height, widthPixels});
}

void FormWindow::PressFromKeyboard(QAbstractButton* button) {
  // The handler runs at once, so that keys typed after it act in order; the button is shown
  // pressed for a moment.
  button->click();
  button->setDown(true);
  QTimer::singleShot(100, button, [button] { button->setDown(false); });
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* button = qobject_cast<QPushButton*>(watched);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (button != nullptr && enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      if (!key->isAutoRepeat()) PressFromKeyboard(button);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FormWindow::finishLayout() {
  std::stable_sort(tabStops_.begin(), tabStops_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tabStops_.size(); ++i)
    QWidget::setTabOrder(tabStops_[i - 1].second, tabStops_[i].second);
  if (!tabStops_.empty()) tabStops_.front().second->setFocus(Qt::OtherFocusReason);
}

double FormWindow::read(QLineEdit* box) {
  const Step step = step_;
  const QString subject = stepSubject_;
  during(Step::Reading, box->accessibleName());
  readBoxes_.insert(box);
  const QString text = box->text();
  const Reading reading = ReadNumber(View(text), context_.decimalSeparator);
  during(step, subject);

  const QString used = numberText(reading.value);
  const QString ignored = text.mid(static_cast<qsizetype>(reading.used)).trimmed();
  QString note;
  if (text.trimmed().isEmpty())
    note = QStringLiteral(u"الخانة فارغة، فحُسب بالعدد %1.").arg(used);
  else if (!reading.found)
    note = QStringLiteral(u"لا عدد في أول الخانة، فحُسب بالعدد %1 وأُهمل «%2».").arg(used, ignored);
  else if (!ignored.isEmpty())
    note = QStringLiteral(u"حُسب بالعدد %1 وأُهمل «%2».").arg(used, ignored);
  notes_.setNote(box, note);
  return reading.value;
}

QString FormWindow::numberText(double value) const {
  return ToQString(NumberToText(value, context_.decimalSeparator));
}

double FormWindow::readLength(QLineEdit* box) {
  const double length = read(box);
  if (length < 0)
    noteInput(
        box,
        QStringLiteral(u"الطول لا يكون سالبا، وحُسب بالعدد %1 كما كُتب.").arg(numberText(length)));
  return length;
}

void FormWindow::noteInput(QLineEdit* box, const QString& note) {
  // The notes of one reading, each on the pupil's side of the same mark.
  const QString before = notes_.note(box);
  notes_.setNote(box, before.isEmpty() ? note : before + u' ' + note);
}

void FormWindow::inputEdited(QLineEdit* box) {
  notes_.setNote(box, {});
  if (const auto formula = formulas_.find(box); formula != formulas_.end()) {
    // A box that shows a result and takes the next number: what is typed is no result.
    showWorking(box, Working(formula->second).inWords(context_.decimalSeparator));
    notes_.setStale(box, {});
    ShowWhole(box, false);
  }
  if (!computed_ || readBoxes_.count(box) == 0) return;
  const QString button = calculateButton_ ? calculateButton_->text() : QStringLiteral(u"احسب");
  const QString sentence =
      QStringLiteral(u"تغيرت المدخلات بعد هذا الحساب: اضغط «%1» مرة أخرى.").arg(button);
  for (const auto& [result, formula] : formulas_)
    if (result != box) notes_.setStale(result, sentence);
}

void FormWindow::write(QLabel* label, Checked result) {
  const QString text = numberText(ValueOrFault(result));
  setFieldText(label, text);
  if (Working working; takeExpected(label, working))
    showWorking(label, working.withResult(View(text), context_.decimalSeparator));
}

void FormWindow::write(QLineEdit* box, Checked result) {
  const QString text = numberText(ValueOrFault(result));
  setFieldText(box, text);
  if (Working working; takeExpected(box, working))
    showWorking(box, working.withResult(View(text), context_.decimalSeparator));
}

void FormWindow::setFieldText(QWidget* result, const QString& text) {
  if (auto* box = qobject_cast<QLineEdit*>(result)) {
    writing_ = true;
    box->setText(text);
    writing_ = false;
  } else if (auto* label = qobject_cast<QLabel*>(result)) {
    label->setText(text);  // also to empty it: clear() would not tell assistive technology
  }
  ShowWhole(result);
}

void FormWindow::showWorking(QWidget* result, const std::u16string& text) {
  notes_.setWorking(result, ToQString(text));
}

void FormWindow::showFormula(QWidget* result, std::u16string_view formula) {
  formulas_[result] = std::u16string(formula);
  showWorking(result, Working(formula).inWords(context_.decimalSeparator));
}

void FormWindow::empty(QWidget* result) {
  // What the pupil typed into a box that the calculation read stays.
  if (auto* box = qobject_cast<QLineEdit*>(result); box && readBoxes_.count(box) != 0) return;
  setFieldText(result, QString());
}

Working& FormWindow::expect(QWidget* result, Working working) {
  for (auto& [widget, expected] : expected_) {
    if (widget == result) return expected = std::move(working);
  }
  return expected_.emplace_back(result, std::move(working)).second;
}

bool FormWindow::takeExpected(QWidget* result, Working& working) {
  const auto at = std::find_if(expected_.begin(), expected_.end(),
                               [result](const auto& expected) { return expected.first == result; });
  if (at == expected_.end()) return false;
  working = std::move(at->second);
  expected_.erase(at);
  return true;
}

void FormWindow::notComputed(QWidget* result, std::u16string_view why) {
  if (Working working; takeExpected(result, working)) {
    showWorking(result, working.notComputed(why, context_.decimalSeparator));
    empty(result);
  }
}

void FormWindow::stopWorking(std::u16string_view why) {
  for (const auto& [result, working] : expected_) {
    showWorking(result, working.notComputed(why, context_.decimalSeparator));
    empty(result);
  }
  expected_.clear();
}

void FormWindow::onClick(QAbstractButton* button, std::function<void()> handler) {
  connect(button, &QAbstractButton::clicked, this,
          [this, handler = std::move(handler)] { run(handler); });
}

void FormWindow::Form_Unload() { context_.programEnd->endProgram(); }

void FormWindow::closeEvent(QCloseEvent* event) {
  run([this] { Form_Unload(); });
  event->accept();
}

// A hidden window gives back the memory of its painted image; it is painted afresh when shown.
void FormWindow::hideEvent(QHideEvent* event) {
  if (QBackingStore* store = backingStore(); store && !event->spontaneous())
    store->resize(QSize(1, 1));
  QWidget::hideEvent(event);
}

void FormWindow::showEvent(QShowEvent* event) {
  if (!centred_) {
    centred_ = true;
    if (const QScreen* where = screen()) {
      QRect placed(QPoint(), frameGeometry().size());
      placed.moveCenter(where->availableGeometry().center());
      move(placed.topLeft());
    }
  }
  QWidget::showEvent(event);
}

}  // namespace numora
