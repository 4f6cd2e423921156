#include "ui/frame/Fields.h"

#include <QAction>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace numora {
namespace {

// The field's own font, kept the first time its size is changed.
constexpr const char* kOwnFont = "numoraOwnFont";
constexpr double kSmallestPointSize = 3.0;
constexpr double kPointStep = 0.25;
constexpr int kTightestSpacing = 60;  // per cent of the font's own
constexpr const char* kWarningSign = "numoraWarningSign";
constexpr const char* kCut = "numoraCut";

QString TextOf(const QWidget* field) {
  if (const auto* label = qobject_cast<const QLabel*>(field)) return label->text();
  if (const auto* box = qobject_cast<const QLineEdit*>(field)) return box->text();
  return {};
}

}  // namespace

int TextRoom(const QWidget* field) {
  if (const auto* box = qobject_cast<const QLineEdit*>(field)) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->rect();
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const QMargins margins = box->textMargins();
    // A sign inside the box (a warning) takes the room Qt gives an icon at its side.
    const int icon = box->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, box);
    int signs = 0;
    for (const QAction* action : box->actions()) signs += action->isVisible() ? 1 : 0;
    // A box keeps two pixels free on each side of its text and one for the cursor.
    return contents.width() - margins.left() - margins.right() - signs * (icon + 6 + icon / 4) -
           2 * 2 - 1;
  }
  if (const auto* label = qobject_cast<const QLabel*>(field)) {
    const int indent = label->indent() > 0 ? label->indent() : 0;
    return label->contentsRect().width() - 2 * label->margin() - indent;
  }
  return field->width();
}

void ShowWhole(QWidget* field, bool fromBeginning) {
  QVariant own = field->property(kOwnFont);
  if (!own.isValid()) {
    own = field->font();
    field->setProperty(kOwnFont, own);
  }
  QFont font = own.value<QFont>();
  const QString text = TextOf(field);
  const double room = TextRoom(field);
  if (font.pointSizeF() > 0) {
    while (QFontMetricsF(font).horizontalAdvance(text) > room &&
           font.pointSizeF() - kPointStep >= kSmallestPointSize)
      font.setPointSizeF(font.pointSizeF() - kPointStep);
  } else {
    while (QFontMetricsF(font).horizontalAdvance(text) > room && font.pixelSize() > 4)
      font.setPixelSize(font.pixelSize() - 1);
  }
  // A font that cannot be drawn smaller (a bitmap font, say) is drawn with its letters closer.
  for (int spacing = 95;
       spacing >= kTightestSpacing && QFontMetricsF(font).horizontalAdvance(text) > room;
       spacing -= 5)
    font.setLetterSpacing(QFont::PercentageSpacing, spacing);
  if (font != field->font()) field->setFont(font);
  if (auto* box = qobject_cast<QLineEdit*>(field); box && fromBeginning) box->setCursorPosition(0);
}

bool ShownWhole(const QWidget* field) { return field->property(kOwnFont).isValid(); }

void ShowWholeAgain(QWidget* field) {
  if (!ShownWhole(field)) return;
  field->setProperty(kOwnFont, QVariant());
  ShowWhole(field, false);
}

FieldNotes::State& FieldNotes::state(QWidget* field) {
  State& state = states_[field];
  if (!state.captured) {
    state.captured = true;
    state.description = field->accessibleDescription();
    state.palette = field->palette();
  }
  return state;
}

void FieldNotes::refresh(QWidget* field, const State& state) const {
  QStringList lines;
  if (!state.note.isEmpty()) lines << state.note;
  if (!state.staleSentence.isEmpty()) lines << state.staleSentence;
  lines << (state.working.isEmpty() ? state.description : state.working);
  lines.removeAll(QString());
  const QString shown = lines.join(u'\n');
  // The tooltip only for what the field itself tells; the layout's description stays quiet.
  field->setToolTip(state.working.isEmpty() && state.note.isEmpty() ? QString() : shown);
  field->setAccessibleDescription(shown);

  QPalette colours = state.palette;
  if (!state.staleSentence.isEmpty()) {
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
      colours.setColor(role, state.palette.color(QPalette::Disabled, role));
  }
  field->setPalette(colours);
  if (auto* box = qobject_cast<QLineEdit*>(field)) {
    QAction* sign = WarningSign(box);
    if (sign == nullptr && !state.note.isEmpty()) {
      sign = box->addAction(box->style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, box),
                            QLineEdit::TrailingPosition);
      sign->setObjectName(QString::fromLatin1(kWarningSign));
    }
    if (sign != nullptr) {
      sign->setVisible(!state.note.isEmpty());
      sign->setToolTip(state.note);
      // The sign takes room from the text of a field that shows its text whole.
      if (box->property(kOwnFont).isValid()) ShowWhole(box, false);
    }
  }
}

const QString LengthBound::kCutNote =
    QStringLiteral(u"كان النص أطول مما يحتاج إليه عدد، فقُطع ما زاد عليه.");

LengthBound::LengthBound(QLineEdit* box) : QValidator(box), box_(box) {
  // One character more than is kept, so that a longer text reaches the bound, which cuts it and
  // says so, in place of the box's own silent limit.
  box->setMaxLength(kMostCharacters + 1);
  box->setValidator(this);
}

QValidator::State LengthBound::validate(QString& input, int& position) const {
  const bool over = input.size() > kMostCharacters;
  if (over) {
    qsizetype end = kMostCharacters;
    if (input[end - 1].isHighSurrogate()) --end;  // never half a character
    input.truncate(end);
    position = std::min(position, int(end));
    // Said once the box holds its new text: the change is still under way here.
    QMetaObject::invokeMethod(const_cast<LengthBound*>(this), &LengthBound::cut,
                              Qt::QueuedConnection);
    // The text as cut: the box is cut for as long as it holds it.
    box_->setProperty(kCut, input);
  }
  return Acceptable;
}

bool LengthBound::Cut(const QLineEdit* box) {
  const QVariant cut = box->property(kCut);
  return cut.isValid() && cut.toString() == box->text();
}

QAction* FieldNotes::WarningSign(const QLineEdit* box) {
  for (QAction* action : box->actions())
    if (action->objectName() == QLatin1String(kWarningSign)) return action;
  return nullptr;
}

void FieldNotes::setWorking(QWidget* field, const QString& working) {
  State& s = state(field);
  s.working = working;
  refresh(field, s);
}

void FieldNotes::setNote(QLineEdit* box, const QString& note) {
  State& s = state(box);
  if (s.note == note) return;
  s.note = note;
  refresh(box, s);
}

void FieldNotes::setStale(QWidget* field, const QString& sentence) {
  State& s = state(field);
  if (s.staleSentence == sentence) return;
  s.staleSentence = sentence;
  refresh(field, s);
}

QString FieldNotes::note(QWidget* field) const {
  const auto found = states_.find(field);
  return found == states_.end() ? QString() : found->second.note;
}

QString FieldNotes::working(QWidget* field) const {
  const auto found = states_.find(field);
  return found == states_.end() ? QString() : found->second.working;
}

QString FieldNotes::staleSentence(QWidget* field) const {
  const auto found = states_.find(field);
  return found == states_.end() ? QString() : found->second.staleSentence;
}

}  // namespace numora
