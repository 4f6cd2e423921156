#include "ui/solution/PracticePane.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStyle>
#include <cmath>

#include "numeric/Fault.h"
#include "numeric/NumberReading.h"
#include "ui/frame/ControlBuilder.h"
#include "ui/frame/Fields.h"
#include "ui/platform/Choices.h"
#include "ui/platform/Utf16Text.h"
#include "ui/solution/MathPainter.h"

namespace numora {
namespace {

constexpr Level kLevels[] = {Level::Easy, Level::Medium, Level::Hard};
// A run's number is short enough to read aloud and type again.
constexpr int kLargestSeed = 99999;

QPushButton* Button(QWidget* parent, const QString& caption, const char* name) {
  auto* button = new FocusFramedButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAccessibleName(caption);
  return button;
}

QLabel* Words(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

// A hint's step, typeset as the panel sets it: a formula's parts placed by its tree, in the
// program's direction, rather than left to the bidirectional algorithm; a screen reader hears its
// text.
class PracticePane::StepView final : public QWidget {
 public:
  StepView(QWidget* parent, const char* name) : QWidget(parent) {
    setObjectName(QString::fromLatin1(name));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  }
  void setStep(const std::u16string& text, const std::optional<Math>& formula,
               FormulaDirection direction) {
    text_ = ToQString(text);
    formula_ = formula;
    direction_ = direction;
    setAccessibleName(text_);
    updateGeometry();
    update();
  }
  QString text() const { return text_; }
  void setDirection(FormulaDirection direction) {
    direction_ = direction;
    updateGeometry();
    update();
  }
  QSize sizeHint() const override {
    if (!formula_) return {0, 0};
    const FormulaFonts fonts(font());
    const MathBox box = Typeset(*formula_, fonts, direction_);
    return {qCeil(box.width) + 8, qCeil(box.ascent + box.descent) + 4};
  }
  QSize minimumSizeHint() const override { return {0, sizeHint().height()}; }

 protected:
  void changeEvent(QEvent* event) override {
    if (event->type() == QEvent::FontChange) updateGeometry();
    QWidget::changeEvent(event);
  }
  void paintEvent(QPaintEvent*) override {
    if (!formula_) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const FormulaFonts fonts(font());
    const MathBox box = Typeset(*formula_, fonts, direction_);
    // Set on the side the formula begins: the right where it reads right to left. A step wider
    // than the pane is drawn smaller rather than cut off.
    const double scale = box.width + 8 > width() ? width() / (box.width + 8) : 1.0;
    painter.scale(scale, scale);
    const double room = width() / scale;
    const double x = direction_ == FormulaDirection::RightToLeft ? room - 4 - box.width : 4;
    PaintFormula(painter, box, QPointF(x, 2 + box.ascent), fonts,
                 palette().color(QPalette::WindowText));
  }

 private:
  QString text_;
  std::optional<Math> formula_;
  FormulaDirection direction_ = FormulaDirection::LeftToRight;
};

PracticePane::PracticePane(QWidget* parent, PracticeHost& host, ExerciseOf exercises,
                           Notation notation, FormulaDirection direction, bool worksheets,
                           Choices* choices)
    : QWidget(parent),
      host_(host),
      exercises_(exercises),
      choices_(choices),
      notation_(notation),
      direction_(direction),
      bar_(new QWidget(this)),
      start_(Button(bar_, QStringLiteral(u"تدرّب"), "PracticeStart")) {
  setObjectName(QStringLiteral("PracticePane"));
  // The pane reads from the right, as Arabic does; the layout above it keeps its own placement.
  setLayoutDirection(Qt::RightToLeft);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 2, 4, 2);
  column->setSpacing(4);
  auto* row = new QHBoxLayout(bar_);
  row->setContentsMargins(0, 0, 0, 0);
  start_->setAccessibleDescription(QStringLiteral(u"تمارين من هذه النافذة، واحدًا بعد الآخر (F4)"));
  row->addWidget(start_);
  if (worksheets) {
    worksheet_ = Button(bar_, QStringLiteral(u"ورقة تمارين"), "PracticeWorksheet");
    row->addWidget(worksheet_);
  }
  row->addStretch();
  column->addWidget(bar_);
  connect(start_, &QPushButton::clicked, this, &PracticePane::start);
}

void PracticePane::build() {
  pane_ = new QWidget(this);
  auto* column = new QVBoxLayout(pane_);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(4);

  // The run: its level and its number, which repeats it when typed again.
  auto* run = new QHBoxLayout;
  auto* levelName = new QLabel(QStringLiteral(u"المستوى"), pane_);
  level_ = new QComboBox(pane_);
  level_->setObjectName(QStringLiteral("PracticeLevel"));
  level_->setAccessibleName(QStringLiteral(u"المستوى"));
  for (Level level : kLevels) level_->addItem(ToQString(LevelName(level)));
  if (choices_ != nullptr) level_->setCurrentIndex(choices_->level());
  levelName->setBuddy(level_);
  auto* seedName = new QLabel(QStringLiteral(u"رقم الجولة"), pane_);
  seed_ = new QLineEdit(pane_);
  seed_->setObjectName(QStringLiteral("PracticeSeed"));
  seed_->setAccessibleName(QStringLiteral(u"رقم الجولة"));
  seed_->setAccessibleDescription(QStringLiteral(u"اكتب رقم جولة سابقة لتعيد تمارينها نفسها"));
  seed_->setMaxLength(5);
  seedName->setBuddy(seed_);
  newRun_ = Button(pane_, QStringLiteral(u"جولة جديدة"), "PracticeNewRun");
  run->addWidget(levelName);
  run->addWidget(level_);
  run->addWidget(seedName);
  run->addWidget(seed_);
  run->addWidget(newRun_);
  run->addStretch();
  column->addLayout(run);

  problem_ = Words(pane_, "PracticeProblem");
  problemFormula_ = new StepView(pane_, "PracticeEquation");
  // Only the weight is the problem's own: the face and size follow the window's zoom.
  QFont bold;
  bold.setBold(true);
  problem_->setFont(bold);
  problemFormula_->setFont(bold);
  instruction_ = Words(pane_, "PracticeInstruction");
  column->addWidget(problem_);
  column->addWidget(problemFormula_);
  column->addWidget(instruction_);
  answers_ = new QWidget(pane_);
  auto* grid = new QGridLayout(answers_);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setColumnStretch(3, 1);
  column->addWidget(answers_);
  hintSentence_ = Words(pane_, "PracticeHint");
  hintRow_ = new StepView(pane_, "PracticeHintStep");
  column->addWidget(hintSentence_);
  column->addWidget(hintRow_);

  buttons_ = new QGridLayout;
  checkButton_ = Button(pane_, QStringLiteral(u"تحقّق"), "PracticeCheck");
  hintButton_ = Button(pane_, QStringLiteral(u"تلميح"), "PracticeHintButton");
  solutionButton_ = Button(pane_, QStringLiteral(u"الحل"), "PracticeSolution");
  solutionButton_->setAccessibleName(QStringLiteral(u"الحل كاملًا"));
  nextButton_ = Button(pane_, QStringLiteral(u"التالي"), "PracticeNext");
  nextButton_->setAccessibleName(QStringLiteral(u"التمرين التالي"));
  column->addLayout(buttons_);
  auto* end = new QHBoxLayout;
  tally_ = Words(pane_, "PracticeTally");
  leaveButton_ = Button(pane_, QStringLiteral(u"إنهاء التدريب"), "PracticeLeave");
  leaveButton_->setAccessibleDescription(
      QStringLiteral(u"يعيد ما كتبته في النافذة قبل التدريب (Esc)"));
  end->addWidget(tally_, 1);
  end->addWidget(leaveButton_);
  column->addLayout(end);
  layout()->addWidget(pane_);

  connect(newRun_, &QPushButton::clicked, this, &PracticePane::newRun);
  // Another level is another run: its exercises begin again from a number of their own.
  connect(level_, &QComboBox::currentIndexChanged, this, &PracticePane::newRun);
  if (choices_ != nullptr)
    connect(level_, &QComboBox::currentIndexChanged, choices_, &Choices::setLevel);
  connect(seed_, &QLineEdit::returnPressed, this, &PracticePane::newRun);
  connect(checkButton_, &QPushButton::clicked, this, &PracticePane::check);
  connect(hintButton_, &QPushButton::clicked, this, &PracticePane::hint);
  connect(solutionButton_, &QPushButton::clicked, this, &PracticePane::showSolution);
  connect(nextButton_, &QPushButton::clicked, this, &PracticePane::nextExercise);
  connect(leaveButton_, &QPushButton::clicked, this, &PracticePane::leave);
}

QLineEdit* PracticePane::answerBox(std::size_t index) const {
  return index < rows_.size() ? rows_[index].box : nullptr;
}

void PracticePane::fit(int width, double zoom) {
  zoom_ = zoom;
  setFixedWidth(width);
  fitControls();
  fitHeight();
}

void PracticePane::fitControls() {
  for (auto* button : findChildren<FocusFramedButton*>()) button->zoom = zoom_;
  // A mark shown is drawn again in the size of the zoomed text.
  for (AnswerRow& row : rows_) setMark(row, row.shown, ToU16String(row.verdict->text()));
  if (buttons_ != nullptr) {
    // One row where the layout is wide enough for the four buttons, two rows where it is not.
    QPushButton* const row[] = {checkButton_, hintButton_, solutionButton_, nextButton_};
    int needed =
        pane_->layout()->contentsMargins().left() + pane_->layout()->contentsMargins().right();
    for (const QPushButton* button : row)
      needed += button->sizeHint().width() + std::max(buttons_->spacing(), 6);
    const int across =
        needed <= width() - layout()->contentsMargins().left() - layout()->contentsMargins().right()
            ? 4
            : 2;
    for (int i = 0; i < 4; ++i) {
      buttons_->removeWidget(row[i]);
      buttons_->addWidget(row[i], i / across, i % across);
    }
    buttons_->setColumnStretch(4, 1);
  }
  const int digit = fontMetrics().horizontalAdvance(QLatin1Char('0'));
  if (seed_ != nullptr) seed_->setFixedWidth(digit * 7 + 12);
  for (const AnswerRow& row : rows_) row.box->setFixedWidth(digit * 11 + 12);
}

void PracticePane::fitHeight() {
  // The window takes its size from its parts' size hints, which know nothing of wrapped lines:
  // the pane says its height for its width itself.
  layout()->invalidate();
  const int height = layout()->hasHeightForWidth() ? layout()->heightForWidth(width())
                                                   : layout()->sizeHint().height();
  if (height == this->height() && height == minimumHeight() && height == maximumHeight()) return;
  setFixedHeight(height);
  host_.paneResized();
}

int PracticePane::narrowest() const { return layout()->minimumSize().width(); }

void PracticePane::setDirection(FormulaDirection direction) {
  direction_ = direction;
  if (hintRow_ != nullptr) hintRow_->setDirection(direction);
  if (problemFormula_ != nullptr) problemFormula_->setDirection(direction);
  fitHeight();
}

QString PracticePane::number(std::uint64_t value) const {
  return ToQString(notation_.digits(ToU16String(QString::number(value))));
}

void PracticePane::start() {
  if (practising_) return;
  if (pane_ == nullptr) build();
  practising_ = true;
  bar_->hide();
  pane_->show();
  if (round_ == nullptr)
    newRun();
  else
    nextExercise();
}

void PracticePane::leave() {
  if (!practising_) return;
  practising_ = false;
  host_.endExercises();
  pane_->hide();
  bar_->show();
  start_->setFocus();
  fitHeight();
  host_.say(QStringLiteral(u"انتهى التدريب، وعادت النافذة كما كانت"));
}

void PracticePane::newRun() {
  // A number the pupil typed repeats that run; otherwise the run gets a number of its own, shown
  // so that it can be repeated.
  std::uint64_t seed = 0;
  const std::u16string typed = ToU16String(seed_->text().trimmed());
  Reading reading{0, 0, false};
  try {
    reading = ReadNumber(typed, notation_.separator);
  } catch (const Fault&) {
    // A number beyond every double ("1E400") is no run's number either.
  }
  if (seed_->isModified() && reading.found && reading.used == typed.size() && reading.value >= 1 &&
      reading.value <= kLargestSeed && std::floor(reading.value) == reading.value)
    seed = static_cast<std::uint64_t>(reading.value);
  if (seed == 0) seed = QRandomGenerator::global()->bounded(1, kLargestSeed + 1);
  if (round_ != nullptr) {
    const Tally& before = round_->tally();
    earlier_.rightFirstTry += before.rightFirstTry;
    earlier_.rightAfterHints += before.rightAfterHints;
    earlier_.shown += before.shown;
  }
  round_ = std::make_unique<PracticeRound>(exercises_, kLevels[std::max(0, level_->currentIndex())],
                                           seed, notation_);
  seed_->setText(number(seed));
  nextExercise();
}

void PracticePane::nextExercise() {
  // An exercise the window cannot work out is never shown: the run goes on to the next one.
  for (int tries = 0; tries < 20; ++tries) {
    const Exercise exercise = round_->nextExercise();
    if (round_->pose(exercise, host_.setExercise(exercise),
                     [this](FieldId field) { return host_.nameOf(field); }))
      break;
  }
  const std::vector<AskedResult>& asked = round_->asked();
  auto* grid = static_cast<QGridLayout*>(answers_->layout());
  while (rows_.size() > asked.size()) {
    for (QWidget* widget :
         {static_cast<QWidget*>(rows_.back().name), static_cast<QWidget*>(rows_.back().box),
          static_cast<QWidget*>(rows_.back().mark), static_cast<QWidget*>(rows_.back().verdict)})
      delete widget;
    rows_.pop_back();
  }
  while (rows_.size() < asked.size()) {
    const int at = static_cast<int>(rows_.size());
    AnswerRow row{new QLabel(answers_), new QLineEdit(answers_), new QLabel(answers_),
                  Words(answers_, "PracticeVerdict")};
    row.mark->setObjectName(QStringLiteral("PracticeMark"));
    row.box->setObjectName(QStringLiteral("PracticeAnswer%1").arg(at + 1));
    row.name->setBuddy(row.box);
    grid->addWidget(row.name, at, 0);
    grid->addWidget(row.box, at, 1);
    grid->addWidget(row.mark, at, 2);
    grid->addWidget(row.verdict, at, 3);
    connect(row.box, &QLineEdit::returnPressed, this, &PracticePane::check);
    auto* bound = new LengthBound(row.box);
    connect(bound, &LengthBound::cut, this, [this, verdict = row.verdict] {
      verdict->setText(LengthBound::kCutNote);
      host_.say(LengthBound::kCutNote);
    });
    // Shown now rather than by the layout later, so that the first box takes the focus at once.
    for (QWidget* widget : {static_cast<QWidget*>(row.name), static_cast<QWidget*>(row.box),
                            static_cast<QWidget*>(row.mark), static_cast<QWidget*>(row.verdict)})
      widget->show();
    rows_.push_back(row);
  }
  for (std::size_t i = 0; i < asked.size(); ++i) {
    AnswerRow& row = rows_[i];
    row.name->setText(ToQString(asked[i].name));
    row.box->setAccessibleName(QStringLiteral(u"جوابك: ") + ToQString(asked[i].name));
    row.box->clear();
    row.box->setReadOnly(false);
    setMark(row, std::nullopt, {});
  }
  // The tab order follows the boxes, then the buttons.
  QWidget* previous = newRun_;
  for (const AnswerRow& row : rows_) {
    setTabOrder(previous, row.box);
    previous = row.box;
  }
  setTabOrder(previous, checkButton_);
  fitControls();
  problem_->setText(ToQString(round_->problem()));
  problemFormula_->setStep(round_->problem(), round_->problemFormula(), direction_);
  problem_->setVisible(!round_->problemFormula());
  problemFormula_->setVisible(round_->problemFormula().has_value());
  instruction_->setText(ToQString(round_->instruction()));
  showHint({});
  showTally();
  fitHeight();
  if (!rows_.empty()) rows_.front().box->setFocus();
  host_.say(problem_->text() + QStringLiteral(u". ") + instruction_->text());
}

void PracticePane::setMark(AnswerRow& row, std::optional<Verdict> verdict,
                           const std::u16string& sentence) {
  row.shown = verdict;
  row.verdict->setText(ToQString(sentence));
  row.mark->setAccessibleName(ToQString(sentence));
  // The mark keeps its place whether it shows or not, so that the sentences stay in one column.
  const int size = row.box->fontMetrics().height();
  row.mark->setFixedSize(size, size);
  if (!verdict || *verdict == Verdict::Empty) {
    row.mark->clear();
    return;
  }
  // The style's own signs: every platform draws them, in the size of the text.
  const QStyle::StandardPixmap sign = *verdict == Verdict::Right ? QStyle::SP_DialogApplyButton
                                      : *verdict == Verdict::TooRough
                                          ? QStyle::SP_MessageBoxWarning
                                          : QStyle::SP_DialogCancelButton;
  row.mark->setPixmap(style()->standardIcon(sign).pixmap(size, size, QIcon::Normal));
}

void PracticePane::check() {
  if (!practising_ || round_->done()) return;
  std::vector<std::u16string> typed;
  for (const AnswerRow& row : rows_) typed.push_back(ToU16String(row.box->text().trimmed()));
  const RoundCheck checked = round_->check(typed);
  QStringList said;
  for (std::size_t i = 0; i < checked.verdicts.size() && i < rows_.size(); ++i) {
    const AnswerVerdict& verdict = checked.verdicts[i];
    setMark(rows_[i], verdict.verdict, verdict.sentence);
    if (verdict.verdict == Verdict::Right) rows_[i].box->setReadOnly(true);
    if (verdict.verdict != Verdict::Empty)
      said << rows_[i].name->text() + QStringLiteral(u": ") + ToQString(verdict.sentence);
  }
  showHint(checked.hint);
  showTally();
  if (!checked.hint.empty()) said << hintSentence_->text() << hintRow_->text();
  if (round_->done()) {
    said << QStringLiteral(u"أحسنت");
    nextButton_->setFocus();
  } else {
    // The pupil goes on in the first box that is not right yet.
    for (const AnswerRow& row : rows_)
      if (!row.box->isReadOnly()) {
        row.box->setFocus();
        break;
      }
  }
  said.removeAll(QString());
  fitHeight();
  host_.say(said.join(QStringLiteral(u". ")));
}

void PracticePane::hint() {
  if (!practising_) return;
  const StepHint step = round_->hint();
  if (step.empty()) return;
  showHint(step);
  fitHeight();
  host_.say(QStringList({hintSentence_->text(), hintRow_->text()}).join(u' ').trimmed());
}

void PracticePane::showHint(const StepHint& hint) {
  hintSentence_->setText(hint.sentence.empty() && !hint.row.empty() ? QStringLiteral(u"تلميح:")
                                                                    : ToQString(hint.sentence));
  hintRow_->setStep(hint.row, hint.formula, direction_);
  hintSentence_->setVisible(!hint.empty());
  hintRow_->setVisible(hint.formula.has_value());
}

void PracticePane::showSolution() {
  if (!practising_) return;
  round_->showSolution();
  host_.showWorked(round_->worked());
  showTally();
  nextButton_->setFocus();
  host_.say(QStringLiteral(u"الحل في لوحة «الحل»، والنواتج في خاناتها"));
}

void PracticePane::showTally() {
  const Tally& now = round_->tally();
  tally_->setText(QStringLiteral(u"صحيح من أول مرة: %1، بعد تلميح: %2، بالحل: %3")
                      .arg(number(earlier_.rightFirstTry + now.rightFirstTry),
                           number(earlier_.rightAfterHints + now.rightAfterHints),
                           number(earlier_.shown + now.shown)));
}

}  // namespace numora
