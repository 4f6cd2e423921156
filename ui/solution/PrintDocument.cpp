#include "ui/solution/PrintDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRawFont>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextObjectInterface>
#include <algorithm>

#include "numeric/Pages.h"
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
// every figure of a run of the document: a second handler of the same kind would take the place
// of the first.
class FigureObject : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  explicit FigureObject(const QFont& font) : font_(font) {}

  void clear() { figures_.clear(); }
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
  void clear() { boxes_.clear(); }
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

// One run of the document, from a new page to the next: its text and its parts kept together.
struct PrintDocument::Run {
  QTextDocument document;
  QTextCursor cursor{&document};
  bool empty = true;  // nothing written yet: the first block is still to fill
  // The parts kept on one page, by their first and last blocks; -1 for the last block there is.
  std::vector<std::pair<int, int>> together;
};

PrintDocument::PrintDocument(QPagedPaintDevice& device)
    : device_(device), painter_(std::make_unique<QPainter>()) {
  font_.setFamilies(PrintFaces());
  font_.setPointSizeF(kTextSize);
  paragraph_.setLayoutDirection(Qt::RightToLeft);
  paragraph_.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
  formulas_ = std::make_unique<FormulaObject>(font_, &device_);
  figures_ = std::make_unique<FigureObject>(font_);
  startRun();
}

PrintDocument::~PrintDocument() = default;

void PrintDocument::startRun() {
  formulas_->clear();
  figures_->clear();
  run_ = std::make_unique<Run>();
  QTextDocument& document = run_->document;
  document.documentLayout()->setPaintDevice(&device_);
  document.setDefaultFont(font_);
  // Lengths of the layout (margins, line heights) are in a screen's pixels; the device's own
  // resolution is the layout's business.
  document.setDocumentMargin(0);
  QTextOption option = document.defaultTextOption();
  option.setTextDirection(Qt::RightToLeft);
  document.setDefaultTextOption(option);
  run_->cursor.setBlockFormat(paragraph_);
  document.documentLayout()->registerHandler(kFormulaObject, formulas_.get());
  document.documentLayout()->registerHandler(kFigureObject, figures_.get());
}

void PrintDocument::newBlock(QTextBlockFormat format) {
  if (run_->empty)
    run_->cursor.setBlockFormat(format);
  else
    run_->cursor.insertBlock(format);
  run_->empty = false;
}

int PrintDocument::nextBlock() const {
  return run_->empty ? 0 : run_->cursor.block().blockNumber() + 1;
}

void PrintDocument::title(const QString& text) {
  QTextCharFormat large;
  large.setFontPointSize(kTitleSize);
  large.setFontWeight(QFont::Bold);
  newBlock(paragraph_);
  run_->cursor.insertText(text, large);
}

void PrintDocument::heading(const QString& text) {
  QTextBlockFormat spaced = paragraph_;
  spaced.setTopMargin(12);
  spaced.setBottomMargin(4);
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  newBlock(spaced);
  run_->cursor.insertText(text, bold);
}

void PrintDocument::line(const QString& text, bool bold) {
  QTextCharFormat letters;
  if (bold) letters.setFontWeight(QFont::Bold);
  newBlock(paragraph_);
  run_->cursor.insertText(text, letters);
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
      run_->cursor.insertText(ToQString(line.line->textIn(direction)), sentence);
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
      run_->cursor.insertText(QString(QChar::ObjectReplacementCharacter), drawn);
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
  run_->cursor.insertText(QString(QChar::ObjectReplacementCharacter), drawn);
}

void PrintDocument::space(qreal height) {
  // A block's margins are in a screen's pixels, which the layout scales to the device.
  constexpr qreal kScreenPixelsPerCentimetre = 96 / 2.54;
  QTextBlockFormat room = paragraph_;
  room.setTopMargin(height * kScreenPixelsPerCentimetre);
  newBlock(room);
}

void PrintDocument::newPage() {
  if (run_->empty) return;
  paintRun();
  startRun();
}

void PrintDocument::keepTogether() { run_->together.push_back({nextBlock(), -1}); }

void PrintDocument::endTogether() {
  if (!run_->together.empty() && run_->together.back().second < 0)
    run_->together.back().second = run_->cursor.block().blockNumber();
}

bool PrintDocument::paintRun() {
  if (failed_ || run_->empty) return !failed_;
  if (!painter_->isActive()) {
    if (!painter_->begin(&device_)) return !(failed_ = true);
  } else if (!device_.newPage()) {
    return !(failed_ = true);
  }
  QTextDocument& document = run_->document;
  const qreal pageHeight = device_.height();
  // One page as long as the run can be, so that the layout breaks no page of its own.
  constexpr qreal kColumn = 1e7;
  document.setPageSize(QSizeF(device_.width(), kColumn));
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  const auto top = [layout](const QTextBlock& block) {
    return layout->blockBoundingRect(block).top();
  };
  const auto bottom = [layout](const QTextBlock& block) {
    return layout->blockBoundingRect(block).bottom();
  };
  // The parts: each part kept together that fits on a page, and every other block alone.
  std::vector<PagePart> parts;
  auto together = run_->together.begin();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    while (together != run_->together.end() && together->first < block.blockNumber()) ++together;
    if (together != run_->together.end() && together->first == block.blockNumber()) {
      const QTextBlock last = together->second < 0 ? document.lastBlock()
                                                   : document.findBlockByNumber(together->second);
      if (last.isValid() && bottom(last) - top(block) <= pageHeight) {
        parts.push_back({top(block), bottom(last)});
        block = last;
        continue;
      }
    }
    parts.push_back({top(block), bottom(block)});
  }
  const std::vector<double> starts = PageStarts(parts, pageHeight);
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette = PaperColours();
  for (std::size_t at = 0; at < starts.size(); ++at) {
    if (at > 0 && !device_.newPage()) return !(failed_ = true);
    const qreal from = starts[at];
    const qreal to = at + 1 < starts.size() ? starts[at + 1] : from + pageHeight;
    painter_->save();
    painter_->translate(0, -from);
    const QRectF shown(0, from, device_.width(), std::min(to - from, pageHeight));
    painter_->setClipRect(shown);
    // The layout draws every block that meets its rectangle: a block of the next page would
    // still be drawn, clipped out of sight, and its text found by a search on the wrong page.
    context.clip = shown.adjusted(0, 0, 0, -1);
    layout->draw(painter_.get(), context);
    painter_->restore();
  }
  return true;
}

bool PrintDocument::paint() {
  paintRun();
  startRun();
  // A document with nothing written is one blank page.
  if (!failed_ && !painter_->isActive() && !painter_->begin(&device_)) failed_ = true;
  if (painter_->isActive() && !painter_->end()) failed_ = true;
  return !failed_;
}

void PrintDocument::abandon() {
  if (auto* printer = dynamic_cast<QPrinter*>(&device_)) printer->abort();
  if (painter_->isActive()) painter_->end();
  failed_ = true;
}

bool WritePdfFile(const QString& path, const QString& title,
                  const std::function<bool(QPagedPaintDevice&)>& paint) {
  QSaveFile file(path);
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
  if (!written) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
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

QString WithPdfSuffix(const QString& path) {
  if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) return path;
  return path + QStringLiteral(".pdf");
}

QString AskPdfPath(QWidget* parent, MessageBoxes& messages, const QString& dialogTitle,
                   const QString& suggestedName) {
  QString chosen = suggestedName + QStringLiteral(".pdf");
  for (;;) {
    QFileDialog dialog(parent, dialogTitle);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral(u"ملف PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    // Asked below, of the name with its suffix: a dialog of the desktop's own may ask of the name
    // as typed, and another file is replaced.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(chosen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    const QString path = WithPdfSuffix(dialog.selectedFiles().constFirst());
    if (!QFileInfo::exists(path) ||
        messages.ask({kProgramTitle,
                      QStringLiteral(u"يوجد ملف باسم «%1». أتريد أن تستبدل به الملف الجديد؟")
                          .arg(QDir::toNativeSeparators(path)),
                      Message::Icon::Question}))
      return path;
    chosen = path;
  }
}

}  // namespace numora

#include "PrintDocument.moc"
