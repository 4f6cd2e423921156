#include "ui/solution/Printout.h"

#include <QAbstractTextDocumentLayout>
#include <QDate>
#include <QFile>
#include <QFontDatabase>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "numeric/Bidi.h"
#include "ui/platform/Faces.h"
#include "ui/platform/Utf16Text.h"
#include "ui/solution/FigurePainter.h"
#include "ui/solution/MathPainter.h"

namespace numora {
namespace {

constexpr qreal kTextSize = 12;  // points
constexpr qreal kTitleSize = 18;
// The figure's room on paper: in centimetres, and never wider than the page.
constexpr qreal kFigureWidth = 13;
constexpr qreal kFigureHeight = 8;
constexpr int kFigureObject = QTextFormat::UserObject + 1;
constexpr int kFormulaObject = QTextFormat::UserObject + 2;

// The windows' faces for their results (Faces.h). A PDF gives its text back, to a search, a copy
// or a screen reader, through each face's own character map: Qt's PDF writer maps a shaped Arabic
// letter back to text only where the face maps the letter's presentation form to it. Where the
// windows' Arabic face maps none (Numora Arabic), an installed face that writes Arabic and maps
// them comes before it, so that the printout's words can be found and read aloud.
QStringList PrintFaces() {
  QStringList faces = FacesFor(QStringLiteral("Arial"));
  const auto readable = [](const QString& family) {
    const QRawFont raw = QRawFont::fromFont(QFont(family), QFontDatabase::Arabic);
    return raw.isValid() && raw.familyName() == family &&
           raw.supportsCharacter(QChar(0xFEE3));  // MEEM, initial form
  };
  const auto arabic = std::find_if(faces.begin(), faces.end(), [](const QString& family) {
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Arabic);
  });
  if (arabic == faces.end() || readable(*arabic)) return faces;
  const QStringList candidates = QFontDatabase::families(QFontDatabase::Arabic);
  const auto better = std::find_if(candidates.begin(), candidates.end(), readable);
  if (better != candidates.end()) faces.insert(arabic - faces.begin(), *better);
  return faces;
}

// Ink on white paper, whatever colour scheme the screen has.
QPalette PaperColours() {
  QPalette colours;
  colours.setColor(QPalette::WindowText, Qt::black);
  colours.setColor(QPalette::Text, Qt::black);
  colours.setColor(QPalette::Window, Qt::white);
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Highlight, QColor(0x1f, 0x5f, 0xbf));
  return colours;
}

// The figure in the flow of the text, painted with the panel's own code onto whatever painter
// draws the page: a printer's or a PDF file's paths and text, never a picture.
class FigureObject : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  FigureObject(const Figure& figure, const QFont& font, QSizeF size, FormulaDirection direction)
      : figure_(figure), font_(font), size_(size), direction_(direction) {}

  QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override { return size_; }

  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                  const QTextFormat&) override {
    // The figure's lines and gaps are measured in a screen's pixels: the page is drawn at that
    // scale, and the font in pixels so that the scale does not grow it twice.
    const qreal unit = painter->device()->logicalDpiX() / 96.0;
    QFont font = font_;
    if (font.pointSizeF() > 0) font.setPixelSize(qRound(font.pointSizeF() * 96 / 72));
    painter->save();
    painter->translate(rect.topLeft());
    painter->scale(unit, unit);
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setFont(font);
    PaintFigure(*painter, QRectF(QPointF(0, 0), rect.size() / unit), figure_, PaperColours(), 1,
                direction_);
    painter->restore();
  }

 private:
  Figure figure_;
  QFont font_;
  QSizeF size_;
  FormulaDirection direction_;
};

// The solution's formulas in the flow of the text, each line typeset as the panel sets it and
// drawn as text and lines onto the page.
class FormulaObject : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  FormulaObject(const QFont& font, QPaintDevice* device) : fonts_(font, device) {}

  const FormulaFonts& fonts() const { return fonts_; }
  int add(MathBox box) {
    boxes_.push_back(std::move(box));
    return static_cast<int>(boxes_.size()) - 1;
  }

  QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override {
    const MathBox& box = boxes_.at(format.property(kFormulaIndex).toInt());
    return {box.width, Above(box) + box.ascent + box.descent};
  }

  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                  const QTextFormat& format) override {
    const MathBox& box = boxes_.at(format.property(kFormulaIndex).toInt());
    PaintFormula(*painter, box, QPointF(rect.left(), rect.top() + Above(box) + box.ascent), fonts_,
                 Qt::black);
  }

  static constexpr int kFormulaIndex = QTextFormat::UserProperty + 1;

 private:
  // The room above a formula for the corners of its strokes: a radical's mitred corner reaches
  // past its box, and at the top of a page it would be drawn at the foot of the page before.
  static qreal Above(const MathBox& box) {
    qreal thickest = 0;
    for (const MathStroke& stroke : box.strokes) thickest = std::max(thickest, stroke.thickness);
    return 2 * thickest;
  }

  FormulaFonts fonts_;
  std::vector<MathBox> boxes_;
};

class Printout {
 public:
  explicit Printout(QPagedPaintDevice& device) : device_(device) {
    font_.setFamilies(PrintFaces());
    font_.setPointSizeF(kTextSize);
    document_.documentLayout()->setPaintDevice(&device);
    document_.setDefaultFont(font_);
    // Lengths of the layout (margins, line heights) are in a screen's pixels; the device's own
    // resolution is the layout's business.
    document_.setDocumentMargin(0);
    QTextOption option = document_.defaultTextOption();
    option.setTextDirection(Qt::RightToLeft);
    document_.setDefaultTextOption(option);
    paragraph_.setLayoutDirection(Qt::RightToLeft);
    paragraph_.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
    cursor_.setBlockFormat(paragraph_);
    // One handler for every formula of the document: a second would take the place of the first.
    formulas_ = new FormulaObject(font_, &device_);
    formulas_->setParent(&document_);
    document_.documentLayout()->registerHandler(kFormulaObject, formulas_);
  }

  void title(const QString& text) {
    QTextCharFormat large;
    large.setFontPointSize(kTitleSize);
    large.setFontWeight(QFont::Bold);
    cursor_.insertText(text, large);
  }

  void heading(const QString& text) {
    QTextBlockFormat spaced = paragraph_;
    spaced.setTopMargin(12);
    spaced.setBottomMargin(4);
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor_.insertBlock(spaced);
    cursor_.insertText(text, bold);
  }

  void line(const QString& text, bool bold = false) {
    QTextCharFormat letters;
    if (bold) letters.setFontWeight(QFont::Bold);
    cursor_.insertBlock(paragraph_);
    cursor_.insertText(text, letters);
  }

  // Each row of a formula a line of its own, typeset in the direction asked for; a reason a
  // sentence in italics, the problem in words in bold, a note upright.
  void solution(const std::vector<SolutionLine>& lines, FormulaDirection direction) {
    for (const SetSolutionLine& line :
         SetSolution(lines, formulas_->fonts(), direction, device_.width())) {
      const bool next = line.line->kind == SolutionLine::Kind::NextStep;
      if (line.rows.empty()) {
        QTextBlockFormat spaced = paragraph_;
        spaced.setTopMargin(6);
        QTextCharFormat sentence;
        if (line.line->kind == SolutionLine::Kind::Problem)
          sentence.setFontWeight(QFont::Bold);
        else
          sentence.setFontItalic(line.line->kind == SolutionLine::Kind::Reason);
        cursor_.insertBlock(spaced);
        cursor_.insertText(ToQString(line.line->textIn(direction)), sentence);
        continue;
      }
      bool first = true;
      for (const SetLine& row : line.rows) {
        QTextBlockFormat placed = paragraph_;
        placed.setTopMargin(first && !next ? 6 : 2);
        if (direction == FormulaDirection::RightToLeft) {
          placed.setRightMargin(row.indent);
        } else {
          placed.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
          placed.setLeftMargin(row.indent);
        }
        QTextCharFormat drawn;
        drawn.setObjectType(kFormulaObject);
        drawn.setProperty(FormulaObject::kFormulaIndex, formulas_->add(row.box));
        cursor_.insertBlock(placed);
        cursor_.insertText(QString(QChar::ObjectReplacementCharacter), drawn);
        first = false;
      }
    }
  }

  void figure(const Figure& figure, FormulaDirection direction) {
    const qreal perCentimetre = device_.logicalDpiX() / 2.54;
    const qreal width = std::min(kFigureWidth * perCentimetre, qreal(device_.width()));
    auto* object =
        new FigureObject(figure, font_, {width, width * kFigureHeight / kFigureWidth}, direction);
    object->setParent(&document_);
    document_.documentLayout()->registerHandler(kFigureObject, object);
    QTextBlockFormat centred = paragraph_;
    centred.setAlignment(Qt::AlignHCenter);
    centred.setTopMargin(12);
    cursor_.insertBlock(centred);
    QTextCharFormat drawn;
    drawn.setObjectType(kFigureObject);
    cursor_.insertText(QString(QChar::ObjectReplacementCharacter), drawn);
  }

  // What is written from here on stays on one page where it fits on one: a short last section is
  // not split over a page break.
  void keepTogether() { together_ = cursor_.block().blockNumber() + 1; }

  // Page after page, each in its own part of the laid-out document.
  bool paint() {
    const QSizeF page(device_.width(), device_.height());
    document_.setPageSize(page);
    if (const QTextBlock first = document_.findBlockByNumber(together_); first.isValid()) {
      const QAbstractTextDocumentLayout* layout = document_.documentLayout();
      const QRectF from = layout->blockBoundingRect(first);
      const QRectF to = layout->blockBoundingRect(document_.lastBlock());
      const auto pageOf = [&page](qreal y) { return static_cast<int>(y / page.height()); };
      if (to.bottom() - from.top() < page.height() && pageOf(from.top()) != pageOf(to.bottom())) {
        QTextBlockFormat breaking = first.blockFormat();
        breaking.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(first).setBlockFormat(breaking);
      }
    }
    QPainter painter;
    if (!painter.begin(&device_)) return false;
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = PaperColours();
    for (int at = 0; at < document_.pageCount(); ++at) {
      if (at > 0 && !device_.newPage()) return false;
      painter.save();
      painter.translate(0, -at * page.height());
      context.clip = QRectF(QPointF(0, at * page.height()), page);
      painter.setClipRect(context.clip);
      document_.documentLayout()->draw(&painter, context);
      painter.restore();
    }
    return painter.end();
  }

 private:
  QPagedPaintDevice& device_;
  QFont font_;
  QTextDocument document_;
  QTextCursor cursor_{&document_};
  QTextBlockFormat paragraph_;
  FormulaObject* formulas_;
  int together_ = -1;  // the first block kept on one page with the rest, if any
};

// The lines of a solution of the kinds asked for, in their order.
std::vector<SolutionLine> LinesOf(const Solution& solution,
                                  std::initializer_list<SolutionLine::Kind> kinds) {
  std::vector<SolutionLine> lines;
  std::copy_if(solution.lines.begin(), solution.lines.end(), std::back_inserter(lines),
               [kinds](const SolutionLine& line) {
                 return std::find(kinds.begin(), kinds.end(), line.kind) != kinds.end();
               });
  return lines;
}

}  // namespace

bool PrintCalculation(const PrintedCalculation& calculation, QPagedPaintDevice& device) {
  Printout printout(device);
  printout.title(calculation.title);
  // The date in Arabic words, its numbers in the region's digits as every other number.
  QString date = QLocale(QLocale::Arabic).toString(QDate::currentDate(), QLocale::LongFormat);
  for (QChar& c : date)
    if (c.isDigit()) c = QChar(calculation.numerals.zero + c.digitValue());
  printout.line(QStringLiteral(u"التاريخ: ") + date);

  const std::optional<Solution>& solution = calculation.solution;
  if (!solution) {
    printout.heading(QStringLiteral(u"لم يحسب شيء بعد. الصيغ:"));
    for (const std::u16string& formula : calculation.formulasInWords)
      printout.line(ToQString(formula));
  } else {
    if (!calculation.outOfDate.empty())
      printout.line(ToQString(calculation.outOfDate) +
                        QStringLiteral(u" المطبوع هنا هو الحل بالمدخلات التي حُسب بها."),
                    true);
    // As a textbook sets a worked example out: the problem with its figure, what was given,
    // the working, and the answer last.
    const FormulaDirection direction = calculation.direction;
    using Kind = SolutionLine::Kind;
    const std::vector<SolutionLine> problem = LinesOf(*solution, {Kind::Problem});
    const std::vector<SolutionLine> steps =
        LinesOf(*solution, {Kind::Step, Kind::NextStep, Kind::Exact, Kind::Reason, Kind::Note});
    const std::vector<SolutionLine> answer = LinesOf(*solution, {Kind::Answer});
    if (!problem.empty()) {
      printout.heading(QStringLiteral(u"المسألة"));
      printout.solution(problem, direction);
    }
    printout.figure(calculation.figure, direction);
    printout.heading(QStringLiteral(u"المدخلات"));
    for (const SolutionInput& input : solution->inputs)
      printout.line(
          ToQString(input.name) + QStringLiteral(u": ") +
          (input.text.empty() ? QStringLiteral(u"(فارغة)") : ToQString(Isolate(input.text))));
    printout.heading(QStringLiteral(u"الحل"));
    printout.solution(steps, direction);
    if (!answer.empty()) {
      printout.keepTogether();
      printout.heading(QStringLiteral(u"الجواب"));
      printout.solution(answer, direction);
    }
  }
  return printout.paint();
}

bool WritePdf(const PrintedCalculation& calculation, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  bool written;
  {
    QPdfWriter pdf(&file);
    pdf.setTitle(calculation.title);
    pdf.setCreator(QStringLiteral("Numora"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    written = PrintCalculation(calculation, pdf);
  }
  file.close();
  if (written && file.error() == QFileDevice::NoError) return true;
  file.remove();
  return false;
}

}  // namespace numora

#include "Printout.moc"
