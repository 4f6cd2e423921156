#include "ui/solution/PrintDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRawFont>
#include <QTextBlock>
#include <QTextObjectInterface>
#include <algorithm>

#include "ui/platform/Faces.h"
#include "ui/platform/Utf16Text.h"
#include "ui/solution/FigurePainter.h"
#include "ui/solution/MathPainter.h"

namespace numora {
namespace {

constexpr qreal kTextSize = 12;  // points
constexpr qreal kTitleSize = 18;
constexpr int kFigureObject = QTextFormat::UserObject + 1;
constexpr int kFormulaObject = QTextFormat::UserObject + 2;
// Which of the document's figures or formulas an object in the text is.
constexpr int kObjectIndex = QTextFormat::UserProperty + 1;

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

}  // namespace

// The figures in the flow of the text, painted with the panel's own code onto whatever painter
// draws the page: a printer's or a PDF file's paths and text, never a picture. One handler draws
// every figure of the document: a second handler of the same kind would take the place of the
// first.
class FigureObject : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  explicit FigureObject(const QFont& font) : font_(font) {}

  int add(const Figure& figure, QSizeF size, FormulaDirection direction) {
    figures_.push_back({figure, size, direction});
    return static_cast<int>(figures_.size()) - 1;
  }

  QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override {
    return figures_.at(format.property(kObjectIndex).toInt()).size;
  }

  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                  const QTextFormat& format) override {
    const Placed& placed = figures_.at(format.property(kObjectIndex).toInt());
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
    PaintFigure(*painter, QRectF(QPointF(0, 0), rect.size() / unit), placed.figure, PaperColours(),
                1, placed.direction);
    painter->restore();
  }

 private:
  struct Placed {
    Figure figure;
    QSizeF size;
    FormulaDirection direction;
  };
  QFont font_;
  std::vector<Placed> figures_;
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
    const MathBox& box = boxes_.at(format.property(kObjectIndex).toInt());
    return {box.width, Above(box) + box.ascent + box.descent};
  }

  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                  const QTextFormat& format) override {
    const MathBox& box = boxes_.at(format.property(kObjectIndex).toInt());
    PaintFormula(*painter, box, QPointF(rect.left(), rect.top() + Above(box) + box.ascent), fonts_,
                 Qt::black);
  }

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

PrintDocument::PrintDocument(QPagedPaintDevice& device) : device_(device) {
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
  formulas_ = new FormulaObject(font_, &device_);
  formulas_->setParent(&document_);
  document_.documentLayout()->registerHandler(kFormulaObject, formulas_);
  figures_ = new FigureObject(font_);
  figures_->setParent(&document_);
  document_.documentLayout()->registerHandler(kFigureObject, figures_);
}

PrintDocument::~PrintDocument() = default;

void PrintDocument::newBlock(QTextBlockFormat format) {
  if (newPage_ && !empty_) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
  newPage_ = false;
  if (empty_)
    cursor_.setBlockFormat(format);
  else
    cursor_.insertBlock(format);
  empty_ = false;
}

int PrintDocument::nextBlock() const { return empty_ ? 0 : cursor_.block().blockNumber() + 1; }

void PrintDocument::title(const QString& text) {
  QTextCharFormat large;
  large.setFontPointSize(kTitleSize);
  large.setFontWeight(QFont::Bold);
  newBlock(paragraph_);
  cursor_.insertText(text, large);
}

void PrintDocument::heading(const QString& text) {
  QTextBlockFormat spaced = paragraph_;
  spaced.setTopMargin(12);
  spaced.setBottomMargin(4);
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  newBlock(spaced);
  cursor_.insertText(text, bold);
}

void PrintDocument::line(const QString& text, bool bold) {
  QTextCharFormat letters;
  if (bold) letters.setFontWeight(QFont::Bold);
  newBlock(paragraph_);
  cursor_.insertText(text, letters);
}

void PrintDocument::solution(const std::vector<SolutionLine>& lines, FormulaDirection direction) {
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
      newBlock(spaced);
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
      drawn.setProperty(kObjectIndex, formulas_->add(row.box));
      newBlock(placed);
      cursor_.insertText(QString(QChar::ObjectReplacementCharacter), drawn);
      first = false;
    }
  }
}

void PrintDocument::figure(const Figure& figure, FormulaDirection direction, qreal width,
                           qreal height) {
  const qreal perCentimetre = device_.logicalDpiX() / 2.54;
  const qreal across = std::min(width * perCentimetre, qreal(device_.width()));
  QTextBlockFormat centred = paragraph_;
  centred.setAlignment(Qt::AlignHCenter);
  centred.setTopMargin(12);
  newBlock(centred);
  QTextCharFormat drawn;
  drawn.setObjectType(kFigureObject);
  drawn.setProperty(kObjectIndex,
                    figures_->add(figure, {across, across * height / width}, direction));
  cursor_.insertText(QString(QChar::ObjectReplacementCharacter), drawn);
}

void PrintDocument::space(qreal height) {
  // A block's margins are in a screen's pixels, which the layout scales to the device.
  constexpr qreal kScreenPixelsPerCentimetre = 96 / 2.54;
  QTextBlockFormat room = paragraph_;
  room.setTopMargin(height * kScreenPixelsPerCentimetre);
  newBlock(room);
}

void PrintDocument::keepTogether() { together_.push_back({nextBlock(), -1}); }

void PrintDocument::endTogether() {
  if (!together_.empty() && together_.back().second < 0)
    together_.back().second = cursor_.block().blockNumber();
}

bool PrintDocument::paint() {
  const QSizeF page(device_.width(), device_.height());
  document_.setPageSize(page);
  // Part after part from the top, each one laid out after the breaks before it.
  for (const auto& [first, last] : together_) {
    const QTextBlock from = document_.findBlockByNumber(first);
    const QTextBlock to = last < 0 ? document_.lastBlock() : document_.findBlockByNumber(last);
    if (!from.isValid() || !to.isValid()) continue;
    const QAbstractTextDocumentLayout* layout = document_.documentLayout();
    const QRectF top = layout->blockBoundingRect(from);
    const QRectF bottom = layout->blockBoundingRect(to);
    const auto pageOf = [&page](qreal y) { return static_cast<int>(y / page.height()); };
    if (bottom.bottom() - top.top() < page.height() &&
        pageOf(top.top()) != pageOf(bottom.bottom())) {
      QTextBlockFormat breaking = from.blockFormat();
      breaking.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      QTextCursor(from).setBlockFormat(breaking);
      // The layout follows a change of format lazily, from the changed block on and only as far as
      // it is asked: laid out again whole, the parts after it are measured where they now stand.
      document_.setPageSize(page);
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
    const QRectF shown(QPointF(0, at * page.height()), page);
    painter.setClipRect(shown);
    // The layout draws every block that meets its rectangle, the first of the next page too where
    // it touches the foot of this one: clipped out of sight, its text would still be in the file,
    // found by a search or a copy on the wrong page.
    context.clip = shown.adjusted(0, 0, 0, -1);
    document_.documentLayout()->draw(&painter, context);
    painter.restore();
  }
  return painter.end();
}

bool WritePdfFile(const QString& path, const QString& title,
                  const std::function<bool(QPagedPaintDevice&)>& paint) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  bool written;
  {
    QPdfWriter pdf(&file);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Numora"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    written = paint(pdf);
  }
  file.close();
  if (written && file.error() == QFileDevice::NoError) return true;
  file.remove();
  return false;
}

QString NotWritten(const QString& path) {
  return QStringLiteral(u"لم يحفظ الملف «%1»: تعذرت الكتابة فيه.").arg(path);
}

QString PrintThroughDialog(QWidget* parent, const QString& dialogTitle, const QString& documentName,
                           const std::function<bool(QPagedPaintDevice&)>& paint) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(documentName);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(dialogTitle);
  if (dialog.exec() != QDialog::Accepted) return {};
  if (paint(printer) && printer.printerState() != QPrinter::Error) return {};
  if (printer.outputFileName().isEmpty())
    return QStringLiteral(u"لم تتم الطباعة: تعذر الإرسال إلى الطابعة «%1».")
        .arg(printer.printerName());
  return NotWritten(printer.outputFileName());
}

QString AskPdfPath(QWidget* parent, const QString& dialogTitle, const QString& suggestedName) {
  QString path =
      QFileDialog::getSaveFileName(parent, dialogTitle, suggestedName + QStringLiteral(".pdf"),
                                   QStringLiteral(u"ملف PDF (*.pdf)"));
  if (!path.isEmpty() && !path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
    path += QStringLiteral(".pdf");
  return path;
}

}  // namespace numora

#include "PrintDocument.moc"
