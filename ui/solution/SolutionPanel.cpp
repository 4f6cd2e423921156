#include "ui/solution/SolutionPanel.h"

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtMath>

#include "ui/platform/Utf16Text.h"
#include "ui/solution/FigureView.h"
#include "ui/solution/MathPainter.h"

namespace numora {
namespace {

constexpr int kTextWidth = 300;  // logical pixels
constexpr int kFigureWidth = 260;
constexpr int kSmallestHeight = 200;

}  // namespace

namespace {

// The room between two lines of one row, and above a formula's first row.
constexpr double kLineGap = 3;
constexpr double kFormulaGap = 8;

double RowsHeight(const std::vector<SetLine>& rows, double scale) {
  double height = 0;
  for (const SetLine& row : rows)
    height += row.box.ascent + row.box.descent + (height > 0 ? kLineGap * scale : 0);
  return height;
}

// A reason, wrapped right to left in the room.
QTextLayout* Sentence(QTextLayout& layout, double width) {
  QTextOption option;
  option.setTextDirection(Qt::RightToLeft);
  option.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  double y = 0;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    line.setPosition(QPointF(0, y));
    y += line.height();
  }
  layout.endLayout();
  return &layout;
}

// A reason in italics; the problem, which heads the solution, in bold; a note on the answers
// upright, as the answers' own words.
QFont SentenceFont(QFont font, const SolutionLine& line) {
  if (line.kind == SolutionLine::Kind::Problem)
    font.setBold(true);
  else
    font.setItalic(line.kind == SolutionLine::Kind::Reason);
  return font;
}

}  // namespace

SolutionText::SolutionText(QWidget* parent) : QTextBrowser(parent) {
  // Each line of the document is one line of the solution, as long as its text: the formula is
  // drawn in its place.
  setLineWrapMode(QTextEdit::NoWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setCursorWidth(0);
  highlight_ = palette().color(QPalette::Highlight);
  QPalette colours = palette();
  for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    colours.setColor(group, QPalette::Highlight, Qt::transparent);
    colours.setColor(group, QPalette::HighlightedText, Qt::transparent);
  }
  setPalette(colours);
}

void SolutionText::setStale(bool stale) {
  if (stale == stale_) return;
  stale_ = stale;
  viewport()->update();
}

double SolutionText::room() const {
  return width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width() -
         2 * document()->documentMargin();
}

void SolutionText::setSolution(const std::vector<SolutionLine>& lines, FormulaDirection direction,
                               double zoom) {
  lines_ = lines;
  direction_ = direction;
  zoom_ = zoom;
  set_ = SetSolution(lines_, fonts(), direction, room());
  // Written into a document of its own and then shown, so that the browser starts at its first
  // line, as a new text does.
  auto* written = new QTextDocument(this);
  written->setDefaultFont(font());
  QTextCursor cursor(written);
  QTextCharFormat unseen;
  unseen.setForeground(Qt::transparent);
  for (std::size_t i = 0; i < set_.size(); ++i) {
    const SetSolutionLine& line = set_[i];
    double height = RowsHeight(line.rows, zoom);
    if (line.rows.empty()) {
      QTextLayout layout(ToQString(line.line->text), SentenceFont(font(), *line.line));
      height = Sentence(layout, room())->boundingRect().height();
    }
    QTextBlockFormat block;
    block.setLayoutDirection(Qt::RightToLeft);
    block.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    block.setLineHeight(std::max(1.0, height), QTextBlockFormat::FixedHeight);
    const bool next = line.line->kind == SolutionLine::Kind::NextStep;
    block.setTopMargin(i == 0 ? 0 : (next ? kLineGap : kFormulaGap) * zoom);
    if (i == 0)
      cursor.setBlockFormat(block);
    else
      cursor.insertBlock(block);
    cursor.insertText(ToQString(line.line->text), unseen);
  }
  // The document ends where the text of its last line ends, whatever height the line was given:
  // the room its formula needs below that (an answer's fraction) is kept as the document's margin.
  if (!set_.empty()) {
    const QTextBlock last = written->lastBlock();
    const double text = written->documentLayout()->blockBoundingRect(last).height();
    QTextFrameFormat frame = written->rootFrame()->frameFormat();
    frame.setBottomMargin(written->documentMargin() +
                          std::max(0.0, last.blockFormat().lineHeight() - text));
    written->rootFrame()->setFrameFormat(frame);
  }
  // The browser deletes a document of its own; one written here is deleted here.
  QTextDocument* before = document()->parent() == this ? document() : nullptr;
  setDocument(written);
  delete before;
  // The first line at the top, now and once the new lines are laid out: the browser's own
  // scrolling to its cursor, which knows the lines by their text, comes when the layout is done.
  verticalScrollBar()->setValue(0);
  QTimer::singleShot(0, this, [this] { verticalScrollBar()->setValue(0); });
  viewport()->update();
}

const FormulaFonts& SolutionText::fonts() {
  if (!fonts_ || fontsFor_ != font()) {
    fonts_ = std::make_shared<FormulaFonts>(font());
    fontsFor_ = font();
  }
  return *fonts_;
}

QRectF SolutionText::lineRect(int index) const {
  const QTextBlock block = document()->findBlockByNumber(index);
  // The block stands below its margin, as high as the line height it was given: its own bounding
  // rectangle is only as high as its text.
  QRectF rect = document()->documentLayout()->blockBoundingRect(block);
  rect.setHeight(block.blockFormat().lineHeight());
  rect.translate(0, -verticalScrollBar()->value());
  rect.setLeft(document()->documentMargin());
  rect.setWidth(room());
  return rect;
}

void SolutionText::paintEvent(QPaintEvent* event) {
  QTextBrowser::paintEvent(event);
  QPainter painter(viewport());
  const QColor ink =
      palette().color(stale_ ? QPalette::Disabled : QPalette::Active, QPalette::Text);
  const FormulaFonts& fonts = this->fonts();
  const QTextCursor cursor = textCursor();
  const double scale = zoom_;
  QTextBlock block = document()->begin();
  for (std::size_t i = 0; i < set_.size() && block.isValid(); ++i, block = block.next()) {
    const QRectF rect = lineRect(static_cast<int>(i));
    if (rect.bottom() < 0 || rect.top() > viewport()->height()) continue;
    const int first = block.position(), last = block.position() + block.length() - 1;
    if (cursor.hasSelection() && cursor.selectionStart() < last && cursor.selectionEnd() > first) {
      QColor marked = highlight_;
      marked.setAlpha(70);
      painter.fillRect(rect, marked);
    }
    if (hasFocus() && cursor.block() == block) {
      painter.setPen(QPen(ink, 1, Qt::DotLine));
      painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    const SetSolutionLine& line = set_[i];
    if (line.rows.empty()) {
      painter.setPen(ink);
      QTextLayout layout(ToQString(line.line->text), SentenceFont(font(), *line.line));
      Sentence(layout, rect.width())->draw(&painter, rect.topLeft());
      continue;
    }
    double y = rect.top();
    for (const SetLine& row : line.rows) {
      // A part too wide to break is set smaller, never cut off.
      const double room = rect.width() - row.indent;
      const double shrink = row.box.width > room && room > 0 ? room / row.box.width : 1.0;
      const double x = direction_ == FormulaDirection::LeftToRight
                           ? rect.left() + row.indent
                           : rect.right() - row.indent - row.box.width * shrink;
      painter.save();
      painter.translate(x, y + row.box.ascent * shrink);
      painter.scale(shrink, shrink);
      PaintFormula(painter, row.box, QPointF(0, 0), fonts, ink);
      painter.restore();
      y += (row.box.ascent + row.box.descent) * shrink + kLineGap * scale;
    }
  }
}

void SolutionText::keyPressEvent(QKeyEvent* event) {
  QTextBrowser::keyPressEvent(event);
  showCurrentLine();
}

void SolutionText::focusInEvent(QFocusEvent* event) {
  QTextBrowser::focusInEvent(event);
  showCurrentLine();
}

void SolutionText::showCurrentLine() {
  // The browser scrolls to its cursor as the text would stand; the line is the formula drawn.
  const QRectF line = lineRect(textCursor().blockNumber());
  QScrollBar* bar = verticalScrollBar();
  if (line.top() < 0)
    bar->setValue(bar->value() + qFloor(line.top()));
  else if (line.bottom() > viewport()->height())
    bar->setValue(bar->value() + qCeil(std::min(line.bottom() - viewport()->height(), line.top())));
}

QMimeData* SolutionText::createMimeDataFromSelection() const {
  // The lines as text only: the document's own colours are not the solution's.
  auto* data = new QMimeData;
  data->setText(textCursor().selection().toPlainText());
  return data;
}

SolutionPanel::SolutionPanel(QWidget* parent, FigureOf figureOf, Notation notation, int height,
                             FormulaDirection direction)
    : QWidget(parent),
      figureOf_(figureOf),
      notation_(notation),
      toggle_(new QToolButton(this)),
      body_(new QWidget(this)),
      stale_(new QLabel(body_)),
      direction_(new QToolButton(body_)),
      notKept_(new QLabel(body_)),
      text_(new SolutionText(body_)),
      figure_(new FigureView(body_)),
      formulas_(direction) {
  setObjectName(QStringLiteral("SolutionPanel"));
  setAccessibleName(QStringLiteral(u"الحل"));
  openHeight_ = std::max(height, kSmallestHeight);
  setFixedHeight(openHeight_);

  toggle_->setObjectName(QStringLiteral("SolutionToggle"));
  toggle_->setText(QStringLiteral(u"الحل"));
  toggle_->setCheckable(true);
  toggle_->setAccessibleName(QStringLiteral(u"الحل"));
  toggle_->setToolTip(QStringLiteral(u"إظهار الحل أو إخفاؤه (F2)"));
  toggle_->setFocusPolicy(Qt::StrongFocus);
  connect(toggle_, &QToolButton::toggled, this, [this](bool open) { setOpen(open); });

  stale_->setObjectName(QStringLiteral("SolutionStale"));
  stale_->setWordWrap(true);
  stale_->setLayoutDirection(Qt::RightToLeft);
  stale_->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
  stale_->hide();
  notKept_->setObjectName(QStringLiteral("SettingsNotKept"));
  notKept_->setWordWrap(true);
  notKept_->setLayoutDirection(Qt::RightToLeft);
  notKept_->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
  notKept_->hide();

  text_->setObjectName(QStringLiteral("SolutionText"));
  text_->setAccessibleName(QStringLiteral(u"خطوات الحل"));
  // The widget stays left to right, as every placement does; its paragraphs are right to left.
  // Mirrored, the text's scroll area on Windows lays its lines out wider than it shows them.
  text_->setReadOnly(true);
  text_->setOpenLinks(false);
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_->setFixedWidth(kTextWidth);
  text_->setTabChangesFocus(true);

  figure_->setObjectName(QStringLiteral("SolutionFigure"));
  figure_->setFixedWidth(kFigureWidth);

  direction_->setObjectName(QStringLiteral("FormulaDirection"));
  direction_->setFocusPolicy(Qt::StrongFocus);
  direction_->setToolTip(QStringLiteral(u"اتجاه كتابة الصيغ (F3)"));
  setDirection(direction);

  auto* words = new QVBoxLayout;
  words->setContentsMargins(0, 0, 0, 0);
  words->addWidget(direction_, 0, Qt::AlignRight);
  words->addWidget(notKept_);
  words->addWidget(stale_);
  words->addWidget(text_, 1);
  auto* bodyLayout = new QHBoxLayout(body_);
  bodyLayout->setContentsMargins(4, 4, 4, 4);
  bodyLayout->addWidget(figure_);
  bodyLayout->addLayout(words);

  auto* strip = new QVBoxLayout;
  strip->setContentsMargins(2, 4, 2, 4);
  strip->addWidget(toggle_);
  strip->addStretch(1);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addLayout(strip);
  layout->addWidget(body_);
  body_->hide();
  text_->setPlainText(QStringLiteral(u"يظهر الحل هنا بعد الحساب."));
}

bool SolutionPanel::isOpen() const { return !body_->isHidden(); }

void SolutionPanel::setOpen(bool open) {
  if (toggle_->isChecked() != open) toggle_->setChecked(open);  // comes back here once
  if (isOpen() == open) return;
  body_->setVisible(open);
  fitHeight();
  if (open) drawFigure();
}

void SolutionPanel::setBelow(bool below) {
  below_ = below;
  fitHeight();
}

void SolutionPanel::fitHeight() {
  // Below the layout, a closed panel keeps only its button's height.
  const QMargins strip = layout()->itemAt(0)->layout()->contentsMargins();
  setFixedHeight(below_ && !isOpen() ? toggle_->sizeHint().height() + strip.top() + strip.bottom()
                                     : openHeight_);
}

void SolutionPanel::drawFigure() {
  // The figure is drawn when it is to be seen: a closed panel costs no drawing.
  if (figureDrawn_ || !isOpen()) return;
  figureDrawn_ = true;
  if (solution_.stopped || figureOf_ != nullptr)
    figure_->setFigure(FigureOfSolution(solution_, figureOf_, notation_));
}

void SolutionPanel::setOpenHeight(int height) {
  if (std::max(height, smallestHeight()) == openHeight_) return;
  openHeight_ = std::max(height, smallestHeight());
  fitHeight();
}

int SolutionPanel::smallestHeight() const { return qRound(kSmallestHeight * zoom_); }

void SolutionPanel::setZoom(double zoom, int height) {
  zoom_ = zoom;
  const auto pixels = [zoom](int layoutPixels) { return qRound(layoutPixels * zoom); };
  openHeight_ = std::max(height, smallestHeight());
  fitHeight();
  text_->setFixedWidth(pixels(kTextWidth));
  figure_->setFixedWidth(pixels(kFigureWidth));
  figure_->setScale(zoom);
  body_->layout()->setContentsMargins(pixels(4), pixels(4), pixels(4), pixels(4));
  layout()->itemAt(0)->layout()->setContentsMargins(pixels(2), pixels(4), pixels(2), pixels(4));
  if (!solution_.lines.empty()) writeSteps();
}

int SolutionPanel::openWidth() const {
  const auto pixels = [this](int layoutPixels) { return qRound(layoutPixels * zoom_); };
  return toggle_->sizeHint().width() + pixels(4 + 8 + 4 + 4) + text_->width() + figure_->width();
}

void SolutionPanel::setDirection(FormulaDirection direction) {
  formulas_ = direction;
  // The button says the direction the steps read in, and that a press changes it.
  const bool rightToLeft = direction == FormulaDirection::RightToLeft;
  direction_->setText(rightToLeft ? QStringLiteral(u"الصيغ من اليمين إلى اليسار")
                                  : QStringLiteral(u"الصيغ من اليسار إلى اليمين"));
  direction_->setAccessibleName(direction_->text());
  direction_->setAccessibleDescription(
      rightToLeft ? QStringLiteral(u"اضغط لكتابة الصيغ من اليسار إلى اليمين")
                  : QStringLiteral(u"اضغط لكتابة الصيغ من اليمين إلى اليسار"));
  figure_->setDirection(direction);
  if (!solution_.lines.empty()) writeSteps();
}

void SolutionPanel::showSolution(const Solution& solution) {
  solution_ = solution;
  figureDrawn_ = false;
  setStale({});

  const QString before = text_->toPlainText();
  writeSteps();

  // A new solution is told to assistive technology as a change of the text.
  if (QAccessible::isActive()) {
    QAccessibleTextUpdateEvent changed(text_, 0, before, text_->toPlainText());
    QAccessible::updateAccessibility(&changed);
  }
  drawFigure();
}

void SolutionPanel::clear() {
  solution_ = {};
  figureDrawn_ = true;
  figure_->setFigure({});
  setStale({});
  writeSteps();
}

void SolutionPanel::writeSteps() { text_->setSolution(solution_.lines, formulas_, zoom_); }

void SolutionPanel::showNotKept(const QString& sentence) {
  notKept_->setText(sentence);
  notKept_->setVisible(!sentence.isEmpty());
}

void SolutionPanel::setStale(const QString& sentence) {
  stale_->setText(sentence);
  stale_->setVisible(!sentence.isEmpty());
  const bool stale = !sentence.isEmpty();
  // Only the ink changes: the text keeps its own colours for the selection it draws itself.
  text_->setStale(stale);
  figure_->setEnabled(!stale);
}

}  // namespace numora
