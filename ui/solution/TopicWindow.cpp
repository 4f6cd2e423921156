#include "ui/solution/TopicWindow.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <algorithm>

#include "numeric/Working.h"
#include "ui/frame/FaultBox.h"
#include "ui/frame/Twips.h"
#include "ui/platform/Choices.h"
#include "ui/platform/FormulaSetting.h"
#include "ui/platform/Settings.h"
#include "ui/platform/Utf16Text.h"
#include "ui/solution/PrintDocument.h"
#include "ui/solution/PrintPreview.h"
#include "ui/solution/Printout.h"
#include "ui/solution/SolutionPanel.h"

namespace numora {
namespace {

Notation NotationIn(const FormContext& context) {
  return NotationOr(context.formulas, context.numerals);
}

// The calculation knows a field by its widget, given as a QWidget so that it comes back as one.
FieldId Id(const QWidget* widget) { return widget; }
QWidget* Widget(FieldId id) { return static_cast<QWidget*>(const_cast<void*>(id)); }

}  // namespace

TopicWindow::TopicWindow(const FormContext& context, const FormLook& look)
    : FormWindow(context, look), calculation_(*this, NotationIn(context)) {
  // The layout and the parts beside and under it stand in a view of their own, which is exactly
  // as large as they are where the screen holds them and scrolls them where it does not.
  auto* window = static_cast<QBoxLayout*>(layout());
  window->removeWidget(clientArea());
  view_ = new QScrollArea(this);
  view_->setObjectName(QStringLiteral("TopicView"));
  view_->setFrameShape(QFrame::NoFrame);
  view_->setFocusPolicy(Qt::NoFocus);  // no stop of its own for Tab: its controls are the stops
  parts_ = new QWidget;
  parts_->setObjectName(QStringLiteral("TopicParts"));
  column_ = new QVBoxLayout(parts_);
  column_->setContentsMargins(0, 0, 0, 0);
  column_->setSpacing(0);
  column_->setSizeConstraint(QLayout::SetFixedSize);
  beside_ = new QHBoxLayout;
  beside_->setSpacing(0);
  underLayout_ = new QVBoxLayout;
  underLayout_->setSpacing(0);
  underLayout_->addWidget(clientArea(), 0, Qt::AlignTop | Qt::AlignLeft);
  underLayout_->addStretch();
  beside_->addLayout(underLayout_);
  column_->addLayout(beside_);
  view_->setWidget(parts_);
  window->addWidget(view_);
  parts_->installEventFilter(this);  // a change of the parts' size fits the view again
  fitToScreen();
  // A control that takes the focus, from the keyboard or from the window, is scrolled into view.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now != nullptr && parts_->isAncestorOf(now)) showFocus();
  });

  setTextBoxHook([this](QLineEdit* box) { boxAdded(box); });
  auto* key = new QShortcut(QKeySequence(Qt::Key_F2), this);
  connect(key, &QShortcut::activated, this, &TopicWindow::toggleSolution);
  auto* printKey = new QShortcut(QKeySequence::Print, this);
  connect(printKey, &QShortcut::activated, this, [this] { run([this] { print(); }); });
  auto* previewKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_P), this);
  connect(previewKey, &QShortcut::activated, this, [this] { run([this] { preview(); }); });
  auto* pdfKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), this);
  connect(pdfKey, &QShortcut::activated, this, [this] { run([this] { saveAsPdf(); }); });
  if (FormulaSetting* formulas = context.formulas) {
    auto* directionKey = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(directionKey, &QShortcut::activated, formulas, &FormulaSetting::toggle);
    // Every window follows the program's direction, shown or hidden.
    connect(formulas, &FormulaSetting::changed, this, [this, formulas] {
      // In practice the fields show the exercise's: what the pupil had is marked once it ends.
      if (practising_)
        calculation_.setNotation(formulas->notation());
      else
        calculation_.renotate(formulas->notation());
      if (panel_ != nullptr) panel_->setDirection(formulas->direction());
      if (practice_ != nullptr) {
        practice_->setDirection(formulas->direction());
        practice_->setNotation(formulas->notation());
      }
    });
    // Said once, by the window the choice was made in; shown in every panel from then on.
    connect(&formulas->settings(), &SettingsStore::notKept, this, [this] {
      if (panel_ != nullptr) panel_->showNotKept(SettingsStore::kNotKeptNote);
      if (isActiveWindow()) FormWindow::announce(SettingsStore::kNotKeptNote);
    });
  }
}

Notation TopicWindow::notation() const { return NotationIn(context()); }

FormulaDirection TopicWindow::formulaDirection() const {
  return context().formulas ? context().formulas->direction() : FormulaDirection::LeftToRight;
}

Figure TopicWindow::solutionFigure() const {
  const std::optional<Solution>& solution = calculation_.shownSolution();
  return solution ? figureOf(*solution) : Figure{};
}

Figure TopicWindow::figureOf(const Solution& solution) const {
  return FigureOfSolution(solution, figure_, notation());
}

PrintedCalculation TopicWindow::printed() const {
  return {.title = windowTitle(),
          .notation = calculation_.notation(),
          .direction = formulaDirection(),
          .solution = calculation_.shownSolution(),
          .outOfDate = calculation_.outOfDate(),
          .figure = solutionFigure(),
          .formulasInWords = calculation_.formulasInWords()};
}

void TopicWindow::print() {
  const QString failed = PrintThroughDialog(
      this, QStringLiteral(u"طباعة الحساب"), windowTitle(),
      [this](QPagedPaintDevice& device) { return PrintCalculation(printed(), device); });
  if (!failed.isEmpty()) printFailed(failed);
}

void TopicWindow::preview() {
  const QString failed = PreviewThroughDialog(
      this, QStringLiteral(u"معاينة الحساب"), windowTitle(),
      [this](QPagedPaintDevice& device, Painting) { return PrintCalculation(printed(), device); });
  if (!failed.isEmpty()) printFailed(failed);
}

void TopicWindow::saveAsPdf() {
  const QString path =
      AskPdfPath(this, *context().messages, QStringLiteral(u"حفظ الحساب ملف PDF"), windowTitle());
  if (path.isEmpty()) return;  // cancelled
  if (!WritePdf(printed(), path)) printFailed(NotWritten(path));
}

void TopicWindow::printFailed(const QString& sentence) {
  context().messages->show({kProgramTitle, sentence, Message::Icon::Critical});
}

SolutionPanel& TopicWindow::panel() {
  if (panel_ == nullptr) {
    // Beside the layout, on its right: the layout keeps its place on the screen and its size, and
    // the window grows by the panel alone.
    panel_ =
        new SolutionPanel(this, figure_, notation(), clientArea()->height(), formulaDirection());
    panel_->setZoom(zoomFactor(), clientArea()->height());
    if (FormulaSetting* formulas = context().formulas) {
      connect(panel_->directionButton(), &QToolButton::clicked, formulas, &FormulaSetting::toggle);
      if (!formulas->settings().kept()) panel_->showNotKept(SettingsStore::kNotKeptNote);
    }
    beside_->addWidget(panel_, 0, Qt::AlignTop);
    arrange();
    panel_->show();
  }
  return *panel_;
}

QSize TopicWindow::room() {
  const QScreen* where = screen();
  if (where == nullptr) return {1 << 20, 1 << 20};
  framed_ = frameGeometry().size() - geometry().size();
  QSize frames = framed_;
  // Before the window manager has framed the window, room for a title bar.
  if (frames.isNull() && !(windowFlags() & Qt::FramelessWindowHint))
    frames = QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
  return where->availableGeometry().size() - frames;
}

void TopicWindow::arrange() {
  if (arranging_) return;
  arranging_ = true;
  const QSize room = this->room();
  const QSize layout = clientArea()->size();
  const double zoom = zoomFactor();
  // The panel beside the layout, on its right, where the screen has room for both; below it where
  // a large zoom would take the panel off the screen.
  const bool panelBelow = panel_ != nullptr && layout.width() + panel_->openWidth() > room.width();
  bool paneBeside = false;
  if (practice_ != nullptr) {
    // Practice under the layout, as wide as it, where the screen holds both and the least of a
    // panel below them; beside the layout where it does not and the room beside is wide enough for
    // the pane's controls (the window's own scroll bar kept free), and no wider than the layout, so
    // that it reads as it does under it. Elsewhere it stays under, and the window scrolls.
    const bool practising = practice_->practising();
    const int divider = qRound(8 * zoom);
    if (!practising) paneBeside_ = false;
    if (!paneBeside_) practice_->fit(layout.width(), zoom);
    const int panelLeast = panelBelow ? panel_->smallestHeight() : 0;
    if (practising &&
        (paneBeside_ || layout.height() + practice_->height() + panelLeast > room.height())) {
      const int bar = view_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view_);
      const int panelBeside = panel_ != nullptr && !panelBelow ? panel_->openWidth() : 0;
      const int band =
          std::min(layout.width(), room.width() - layout.width() - divider - bar - panelBeside);
      if (band > 0) {
        practice_->fit(band, zoom);
        paneBeside = practice_->narrowest() <= band;
      }
      if (!paneBeside) practice_->fit(layout.width(), zoom);
    }
    paneBeside_ = paneBeside;
    // Absolute: the pane itself reads from the right.
    constexpr Qt::Alignment kPane = Qt::AlignTop | Qt::AlignLeft | Qt::AlignAbsolute;
    if (paneBeside && beside_->indexOf(practice_) < 0) {
      underLayout_->removeWidget(practice_);
      beside_->insertWidget(beside_->indexOf(divider_) + 1, practice_, 0, kPane);
    } else if (!paneBeside && underLayout_->indexOf(practice_) < 0) {
      beside_->removeWidget(practice_);
      underLayout_->insertWidget(1, practice_, 0, kPane);
    }
    divider_->setLineWidth(std::max(1, qRound(zoom)));
    divider_->setFixedWidth(divider);
    divider_->setVisible(paneBeside);
  }
  if (panel_ != nullptr) {
    if (panelBelow && beside_->indexOf(panel_) >= 0) {
      beside_->removeWidget(panel_);
      column_->addWidget(panel_, 0, Qt::AlignLeft);
    } else if (!panelBelow && column_->indexOf(panel_) >= 0) {
      column_->removeWidget(panel_);
      beside_->addWidget(panel_, 0, Qt::AlignTop);
    }
    panel_->setBelow(panelBelow);
    // Below, the panel takes what the screen has left under the layout and the pane, down to its
    // smallest; where even that is more than the screen has, the window scrolls.
    const int pane = practice_ != nullptr ? practice_->height() : 0;
    const int top = paneBeside ? std::max(layout.height(), pane) : layout.height() + pane;
    panel_->setOpenHeight(panelBelow ? std::min(layout.height(), room.height() - top)
                                     : layout.height());
  }
  arranging_ = false;
  fitToScreen();
}

void TopicWindow::fitToScreen() {
  if (fitting_) return;
  fitting_ = true;
  column_->activate();
  const QSize parts = parts_->size(), room = this->room();
  // A scroll bar takes room from the other side, which may then need one too.
  const int bar = view_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view_);
  bool tall = parts.height() > room.height();
  const bool wide = parts.width() + (tall ? bar : 0) > room.width();
  tall = parts.height() + (wide ? bar : 0) > room.height();
  // Shown exactly where they are needed: left to decide, a view whose bars once showed could
  // keep them for the room they take themselves.
  view_->setVerticalScrollBarPolicy(tall ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  view_->setHorizontalScrollBarPolicy(wide ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  view_->setFixedSize(std::min(parts.width() + (tall ? bar : 0), room.width()),
                      std::min(parts.height() + (wide ? bar : 0), room.height()));
  fitting_ = false;
  showFocus();
}

void TopicWindow::showFocus() {
  QWidget* focus = focusWidget();
  if (focus == nullptr || !parts_->isAncestorOf(focus)) return;
  // Where the control stands now: the layouts on its way down are brought up to date first.
  std::vector<QWidget*> path;
  for (QWidget* widget = focus; widget != parts_; widget = widget->parentWidget())
    path.push_back(widget);
  column_->activate();
  for (auto widget = path.rbegin(); widget != path.rend(); ++widget)
    if ((*widget)->layout() != nullptr) (*widget)->layout()->activate();
  view_->ensureWidgetVisible(focus);
}

void TopicWindow::toggleSolution() {
  panel().toggle();
  keepOnScreen();
}

void TopicWindow::zoomed(double zoom) {
  paneBeside_ = false;  // placed afresh for the new size
  if (panel_ != nullptr) panel_->setZoom(zoom, Px(look().clientHeight, zoom));
  arrange();
}

void TopicWindow::placeOnScreen() {
  FormWindow::placeOnScreen();
  keepOnScreen();
}

void TopicWindow::keepOnScreen() {
  // The window grows to the right by the panel and down by the pane; where that would take them
  // past the screen's edge (a centred window on a small school screen), the window moves left or
  // up as far as it must, and the layout with it, rather than show them cut off.
  const QScreen* where = screen();
  if (where == nullptr || !isVisible()) return;
  fitToScreen();
  layout()->activate();
  const QRect available = where->availableGeometry();
  const QSize framed = sizeHint() + frameGeometry().size() - geometry().size();
  const QPoint at(
      std::max(available.left(), std::min(pos().x(), available.right() + 1 - framed.width())),
      std::max(available.top(), std::min(pos().y(), available.bottom() + 1 - framed.height())));
  if (at != pos()) move(at);
}

void TopicWindow::showEvent(QShowEvent* event) {
  // Placed for the screen it opens on, framed now.
  arrange();
  layout()->activate();
  FormWindow::showEvent(event);
}

void TopicWindow::resizeEvent(QResizeEvent* event) {
  FormWindow::resizeEvent(event);
  keepOnScreen();
}

void TopicWindow::moveEvent(QMoveEvent* event) {
  FormWindow::moveEvent(event);
  // A window manager frames a window once it is shown: the room the frame leaves is known then.
  if (frameGeometry().size() - geometry().size() != framed_) arrange();
}

bool TopicWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parts_ && event->type() == QEvent::Resize) fitToScreen();
  return FormWindow::eventFilter(watched, event);
}

void TopicWindow::boxAdded(QLineEdit* box) {
  box->installEventFilter(this);  // Enter in a box calculates
  // A text cut to the box's bound is noted at once, and again by each calculation that reads it.
  if (auto* bound = qobject_cast<const LengthBound*>(box->validator()))
    connect(bound, &LengthBound::cut, this, [this, box] {
      notes_.setNote(box, LengthBound::kCutNote);
      FormWindow::announce(LengthBound::kCutNote);
    });
  // Any change that is not the window's own writing is an edit: typing, pasting, and text set
  // through assistive technology.
  connect(box, &QLineEdit::textChanged, this, [this, box] {
    if (writing_) return;
    ++edits_[box];
    calculation_.edited(Id(box));
    // A box that shows a result keeps its cursor where the pupil types.
    if (calculation_.showsResult(Id(box))) ShowWhole(box, false);
  });
}

QPushButton* TopicWindow::addCalculateButton(const Control& row, std::function<void()> handler) {
  QPushButton* button = addButton(row);
  calculateButton_ = button;
  setEnterButton(button);
  setResultsAfter(button);
  calculation_.setButtonCaption(ToU16String(button->text()));
  handler_ = std::move(handler);
  connect(button, &QPushButton::clicked, this, [this] {
    calculation_.run(handler_);
    boundUndo();
  });
  return button;
}

void TopicWindow::boundUndo() {
  for (auto& [box, edits] : edits_) {
    if (edits < kUndoneEdits) continue;
    edits = 0;
    // Setting the text starts its undo history afresh; the text and the cursor stay as they were.
    const int cursor = box->cursorPosition();
    writing_ = true;
    box->setText(box->text());
    writing_ = false;
    box->setCursorPosition(cursor);
  }
}

QLabel* TopicWindow::addResult(const Control& row, const Formula& formula) {
  QLabel* label = addLabel(row);
  showFormula(label, formula);
  return label;
}

QLineEdit* TopicWindow::addResultBox(const Control& row, const Formula& formula,
                                     QWidget* container) {
  QLineEdit* box = addTextBox(row, container);
  showFormula(box, formula);
  return box;
}

void TopicWindow::showFormula(QWidget* result, const Formula& formula) {
  calculation_.show(Id(result), formula);
}

double TopicWindow::read(QLineEdit* box, std::u16string_view quantity) {
  const double value = current_->read(Id(box), quantity);
  noteCut(box);
  return value;
}

double TopicWindow::readLength(QLineEdit* box, std::u16string_view quantity) {
  const double value = current_->readLength(Id(box), quantity);
  noteCut(box);
  return value;
}

void TopicWindow::noteCut(QLineEdit* box) {
  if (current_ == &calculation_ && LengthBound::Cut(box))
    current_->note(Id(box), ToU16String(LengthBound::kCutNote));
}

void TopicWindow::noteInput(QLineEdit* box, std::u16string_view note) {
  current_->note(Id(box), note);
}

void TopicWindow::forgetNotes(QLineEdit* box) { current_->forget(Id(box)); }

void TopicWindow::measure(QWidget* result, const Formula& formula) {
  current_->measure(Id(result), formula);
}

double TopicWindow::value(const Formula& formula) { return current_->value(formula); }

void TopicWindow::leaveOut(QWidget* result, std::u16string_view why) {
  current_->leaveOut(Id(result), why);
}

std::function<void()> TopicWindow::prepare(const Exercise&) { return {}; }

void TopicWindow::setExercises(ExerciseOf exercises) {
  exercises_ = exercises;
  if (exercises == nullptr || practice_ != nullptr) return;
  practice_ = new PracticePane(this, *this, exercises, notation(), formulaDirection(),
                               static_cast<bool>(context().openWorksheet), context().choices);
  // Under the layout, as wide as it: the window grows by the bar's height alone. The two stay
  // together where the panel opens beside them; in practice the pane goes where the screen has
  // room for it (arrange).
  underLayout_->insertWidget(1, practice_, 0, Qt::AlignTop | Qt::AlignLeft | Qt::AlignAbsolute);
  // A line between the layout and the pane where the pane stands beside it, so that the pane's
  // controls at its left end read as the pane's.
  divider_ = new QFrame(parts_);
  divider_->setObjectName(QStringLiteral("PracticeDivider"));
  divider_->setFrameShape(QFrame::VLine);
  divider_->setFrameShadow(QFrame::Sunken);
  divider_->hide();
  beside_->insertWidget(1, divider_);
  arrange();
  if (QPushButton* worksheet = practice_->worksheetButton())
    onClick(worksheet, [this] { context().openWorksheet(*this); });
  auto* key = new QShortcut(QKeySequence(Qt::Key_F4), this);
  connect(key, &QShortcut::activated, practice_, &PracticePane::start);
}

void TopicWindow::keyPressEvent(QKeyEvent* event) {
  // Escape leaves practice before it leaves the window.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
      practice_ != nullptr && practice_->practising()) {
    if (!event->isAutoRepeat()) practice_->leave();
    return;
  }
  FormWindow::keyPressEvent(event);
}

void TopicWindow::practiseControls(bool practising) {
  // The exercise's numbers and conversion stay as they were set: the pupil answers in the pane.
  if (calculateButton_ != nullptr) calculateButton_->setEnabled(!practising);
  for (QRadioButton* option : clientArea()->findChildren<QRadioButton*>())
    option->setEnabled(!practising);
  for (QCheckBox* option : clientArea()->findChildren<QCheckBox*>())
    option->setEnabled(!practising);
}

WorkedExercise TopicWindow::setExercise(const Exercise& exercise) {
  if (!practising_) {
    // Every box and result as the pupil left it, before anything is worked out: working an
    // exercise out may choose the temperature's conversion, whose formula the box then shows.
    practising_ = true;
    practiceNotation_ = calculation_.notation();
    keptPanel_ = panel_ != nullptr;
    panelWasOpen_ = panel_ != nullptr && panel_->isOpen();
    for (QWidget* field : clientArea()->findChildren<QWidget*>()) {
      auto* box = qobject_cast<QLineEdit*>(field);
      auto* label = qobject_cast<QLabel*>(field);
      if (box == nullptr && (label == nullptr || !calculation_.showsResult(Id(label)))) continue;
      kept_.push_back({field, box ? box->text() : label->text(), box && box->isReadOnly(),
                       notes_.working(field), notes_.note(field), notes_.staleSentence(field)});
    }
    practiseControls(true);
  }
  // Set for the whole exercise, so that working it out finds it set and sets nothing itself.
  if (std::function<void()> unprepare = prepare(exercise)) unprepare_.push_back(unprepare);
  WorkedExercise worked = work(exercise);

  // No result shows before the pupil has answered, and none of the pupil's own: results first,
  // since the temperature's box is both.
  for (const WorkedExercise::Result& result : worked.results) {
    setText(result.field, {});
    notes_.setStale(Widget(result.field), {});
    if (result.formula != nullptr)
      notes_.setWorking(Widget(result.field), ToQString(InWords(*result.formula, notation())));
  }
  for (const WorkedExercise::Box& typed : worked.boxes) {
    auto* box = qobject_cast<QLineEdit*>(Widget(typed.field));
    if (box == nullptr) continue;
    notes_.setNote(box, {});
    setText(typed.field, typed.text);
    box->setReadOnly(true);
  }
  for (const KeptField& kept : kept_)
    if (auto* box = qobject_cast<QLineEdit*>(kept.field)) box->setReadOnly(true);
  if (panel_ != nullptr) {
    panel_->clear();
    panel_->setOpen(false);
  }
  return worked;
}

void TopicWindow::showWorked(const WorkedExercise& worked) {
  for (const WorkedExercise::Result& result : worked.results) setText(result.field, result.text);
  panel().showSolution(worked.solution);
  panel_->setOpen(true);
  keepOnScreen();
}

void TopicWindow::endExercises() {
  if (!practising_) return;
  practising_ = false;
  for (auto unprepare = unprepare_.rbegin(); unprepare != unprepare_.rend(); ++unprepare)
    (*unprepare)();
  unprepare_.clear();
  for (const KeptField& kept : kept_) {
    // The note first: its mark takes room that the text is fitted to.
    if (auto* box = qobject_cast<QLineEdit*>(kept.field)) {
      box->setReadOnly(kept.readOnly);
      if (notes_.note(box) != kept.note) notes_.setNote(box, kept.note);
    }
    setText(Id(kept.field), ToU16String(kept.text));
    if (notes_.working(kept.field) != kept.working) notes_.setWorking(kept.field, kept.working);
    if (notes_.staleSentence(kept.field) != kept.stale) notes_.setStale(kept.field, kept.stale);
  }
  kept_.clear();
  practiseControls(false);
  // A notation chosen in practice: what the pupil had is rewritten or out of date, as it would
  // have been at the choice.
  if (const Notation now = calculation_.notation(); now != practiceNotation_) {
    calculation_.setNotation(practiceNotation_);
    calculation_.renotate(now);
  }
  if (panel_ == nullptr) return;
  const std::optional<Solution>& shown = calculation_.shownSolution();
  if (keptPanel_ && shown) {
    panel_->showSolution(*shown);
    panel_->setStale(ToQString(calculation_.outOfDate()));
  } else {
    panel_->clear();
  }
  panel_->setOpen(keptPanel_ && panelWasOpen_);
}

WorkedExercise TopicWindow::work(const Exercise& exercise) {
  const std::function<void()> restore = prepare(exercise);
  WorkedExercise worked = Work(exercise, calculation_, *this, [this](Calculation& worker) {
    // The handler reads and writes through the worker until it returns or a fault stops it.
    struct Through {
      Calculation*& current;
      Calculation* before;
      ~Through() { current = before; }
    } through{current_, current_};
    current_ = &worker;
    handler_();
  });
  if (restore) restore();
  return worked;
}

std::u16string TopicWindow::numberText(double value) const {
  return calculation_.numberText(value);
}

std::u16string TopicWindow::text(FieldId box) const {
  const auto* edit = qobject_cast<const QLineEdit*>(Widget(box));
  return edit ? ToU16String(edit->text()) : std::u16string();
}

std::u16string TopicWindow::name(FieldId box) const {
  return ToU16String(Widget(box)->accessibleName());
}

void TopicWindow::setText(FieldId result, std::u16string_view text) {
  QWidget* field = Widget(result);
  if (auto* box = qobject_cast<QLineEdit*>(field)) {
    writing_ = true;
    box->setText(ToQString(text));
    writing_ = false;
  } else if (auto* label = qobject_cast<QLabel*>(field)) {
    label->setText(
        ToQString(text));  // also to empty it: clear() would not tell assistive technology
  }
  ShowWhole(field);
}

void TopicWindow::setWorking(FieldId field, std::u16string_view working) {
  notes_.setWorking(Widget(field), ToQString(working));
}

void TopicWindow::setNote(FieldId box, std::u16string_view note) {
  notes_.setNote(qobject_cast<QLineEdit*>(Widget(box)), ToQString(note));
}

void TopicWindow::setStale(FieldId result, std::u16string_view sentence) {
  notes_.setStale(Widget(result), ToQString(sentence));
}

void TopicWindow::showFault(const Fault& fault, std::u16string_view sentence) {
  context().messages->show(FaultMessage(fault, ToQString(sentence), context().numerals));
}

void TopicWindow::showFailure(std::u16string_view what) {
  context().messages->show(FailureMessage(ToQString(what)));
}

void TopicWindow::showMessage(std::u16string_view text) {
  context().messages->show({kProgramTitle, ToQString(text)});
}

void TopicWindow::showSolution(const Solution& solution) {
  const bool first = panel_ == nullptr;
  SolutionPanel& shown = panel();
  shown.showSolution(solution);
  // Open from the first calculation on, unless the pupil chose it to wait for F2 or its button.
  if (first) {
    const Choices* choices = context().choices;
    shown.setOpen(choices == nullptr || choices->panelAtFirst());
    keepOnScreen();
  }
}

void TopicWindow::announce(std::u16string_view sentence) {
  FormWindow::announce(ToQString(sentence));
}

void TopicWindow::setSolutionStale(std::u16string_view sentence) {
  // In practice the panel shows the exercise's solution; the window's is marked when it is back.
  if (panel_ != nullptr && !practising_) panel_->setStale(ToQString(sentence));
}

}  // namespace numora
