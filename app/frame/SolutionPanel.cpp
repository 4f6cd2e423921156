#include "app/frame/SolutionPanel.h"

#include <QAccessible>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/frame/FigureView.h"
#include "app/frame/Utf16Text.h"

namespace numora {
namespace {

constexpr int kTextWidth = 300;  // logical pixels
constexpr int kFigureWidth = 260;
constexpr int kSmallestHeight = 200;
constexpr int kStepIndent = 24;

}  // namespace

Figure FigureOfSolution(const Solution& solution, FigureOf figureOf, Numerals numerals) {
  if (solution.stopped) return CannotDraw(u"الشكل", u"لا يرسم الشكل: " + solution.why);
  return figureOf != nullptr ? figureOf(solution.values, numerals) : Figure{};
}

void WriteSolutionLines(QTextCursor& cursor, const std::vector<SolutionLine>& lines,
                        const QFont& font, QPaintDevice* device, qreal scale) {
  QTextBlockFormat paragraph;
  paragraph.setLayoutDirection(Qt::RightToLeft);
  paragraph.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
  // Each line as high as the text face's own lines: an Arabic face that stands in for it may
  // keep room above its letters for marks the steps never carry, and would stretch every line.
  QFont face = font;
  face.setFamilies({face.families().value(0, face.family())});
  // On a printer the document's layout takes lengths in a screen's pixels, at 96 to the inch.
  const qreal spacing = device != nullptr
                            ? QFontMetricsF(face, device).lineSpacing() * 96 / device->logicalDpiY()
                            : QFontMetricsF(face).lineSpacing();
  paragraph.setLineHeight(spacing, QTextBlockFormat::FixedHeight);
  bool first = cursor.block().length() <= 1;
  for (const SolutionLine& line : lines) {
    QTextCharFormat letters;
    if (line.kind == SolutionLine::Kind::Exact) letters.setFontWeight(QFont::Bold);
    if (line.kind == SolutionLine::Kind::Reason) letters.setFontItalic(true);
    // The rows after a step's first stand in from the names, as "=" does under a textbook's.
    QTextBlockFormat row = paragraph;
    if (line.kind == SolutionLine::Kind::NextStep)
      row.setRightMargin(kStepIndent * scale);
    else
      row.setTopMargin(first ? 0 : 6 * scale);
    if (first)
      cursor.setBlockFormat(row);
    else
      cursor.insertBlock(row);
    first = false;
    cursor.insertText(ToQString(line.text), letters);
  }
}

SolutionPanel::SolutionPanel(QWidget* parent, FigureOf figureOf, Numerals numerals, int height)
    : QWidget(parent),
      figureOf_(figureOf),
      numerals_(numerals),
      toggle_(new QToolButton(this)),
      body_(new QWidget(this)),
      stale_(new QLabel(body_)),
      text_(new QTextBrowser(body_)),
      figure_(new FigureView(body_)) {
  setObjectName(QStringLiteral("SolutionPanel"));
  setAccessibleName(QStringLiteral(u"الحل"));
  const int panelHeight = std::max(height, kSmallestHeight);
  setFixedHeight(panelHeight);

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

  auto* words = new QVBoxLayout;
  words->setContentsMargins(0, 0, 0, 0);
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
  if (open) drawFigure();
}

void SolutionPanel::drawFigure() {
  // The figure is drawn when it is to be seen: a closed panel costs no drawing.
  if (figureDrawn_ || !isOpen()) return;
  figureDrawn_ = true;
  if (solution_.stopped || figureOf_ != nullptr)
    figure_->setFigure(FigureOfSolution(solution_, figureOf_, numerals_));
}

void SolutionPanel::setZoom(double zoom, int height) {
  zoom_ = zoom;
  const auto pixels = [zoom](int layoutPixels) { return qRound(layoutPixels * zoom); };
  setFixedHeight(std::max(height, pixels(kSmallestHeight)));
  text_->setFixedWidth(pixels(kTextWidth));
  figure_->setFixedWidth(pixels(kFigureWidth));
  figure_->setScale(zoom);
  body_->layout()->setContentsMargins(pixels(4), pixels(4), pixels(4), pixels(4));
  layout()->itemAt(0)->layout()->setContentsMargins(pixels(2), pixels(4), pixels(2), pixels(4));
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

void SolutionPanel::writeSteps() {
  text_->clear();
  QTextCursor cursor(text_->document());
  WriteSolutionLines(cursor, solution_.lines, text_->font(), nullptr, zoom_);
  text_->moveCursor(QTextCursor::Start);
}

void SolutionPanel::setStale(const QString& sentence) {
  stale_->setText(sentence);
  stale_->setVisible(!sentence.isEmpty());
  const bool stale = !sentence.isEmpty();
  QPalette colours = palette();
  if (stale) colours.setColor(QPalette::Text, colours.color(QPalette::Disabled, QPalette::Text));
  text_->setPalette(colours);
  figure_->setEnabled(!stale);
}

}  // namespace numora
