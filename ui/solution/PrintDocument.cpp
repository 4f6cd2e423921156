#include "ui/solution/PrintDocument.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QPrintDialog>
#include <QPrinter>
#include <QRawFont>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTextBlock>
#include <QTextObjectInterface>
#include <QTextTable>
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
constexpr int kRulesObject = QTextFormat::UserObject + 3;
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

// Lines to write on, as many as asked across the width they were given, a handwritten line apart,
// each at the foot of its line's room.
class RulesObject : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  void clear() { rules_.clear(); }
  int add(qreal width, int count) {
    rules_.push_back({width, count});
    return static_cast<int>(rules_.size()) - 1;
  }

  QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override {
    const Ruled& ruled = rules_.at(format.property(kObjectIndex).toInt());
    return {ruled.width, ruled.count * Spacing(format)};
  }

  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                  const QTextFormat& format) override {
    const Ruled& ruled = rules_.at(format.property(kObjectIndex).toInt());
    const qreal spacing = Spacing(format);
    painter->save();
    // A hairline of half a point, grey so that handwriting stands out on it.
    painter->setPen(QPen(QColor(0x99, 0x99, 0x99), painter->device()->logicalDpiY() / 144.0));
    for (int line = 1; line <= ruled.count; ++line) {
      const qreal y = rect.top() + line * spacing - spacing / 8;
      painter->drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
    }
    painter->restore();
  }

 private:
  struct Ruled {
    qreal width;
    int count;
  };
  // A line of handwriting, 9 mm, in the device's units.
  static qreal Spacing(const QTextFormat& format) {
    return format.doubleProperty(kObjectIndex + 1) * 0.9 / 2.54;
  }
  std::vector<Ruled> rules_;
};

// One run of the document, from a new page to the next: its text and its parts kept together.
struct PrintDocument::Run {
  QTextDocument document;
  QTextCursor cursor{&document};
  bool empty = true;             // nothing written yet
  bool fill = true;              // the cursor's block is empty: the next block is written into it
  QTextTable* beside = nullptr;  // a figure and its text side by side, while they are written
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
  rules_ = std::make_unique<RulesObject>();
  column_ = device_.width();
  startRun();
}

PrintDocument::~PrintDocument() = default;

void PrintDocument::startRun() {
  formulas_->clear();
  figures_->clear();
  rules_->clear();
  column_ = device_.width();
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
  document.documentLayout()->registerHandler(kRulesObject, rules_.get());
}

void PrintDocument::newBlock(QTextBlockFormat format) {
  if (run_->fill)
    run_->cursor.setBlockFormat(format);
  else
    run_->cursor.insertBlock(format);
  run_->empty = run_->fill = false;
}

int PrintDocument::nextBlock() const {
  return run_->cursor.block().blockNumber() + (run_->fill ? 0 : 1);
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
  const std::vector<SetSolutionLine> set =
      SetSolution(lines, formulas_->fonts(), direction, column_);
  // Rows read from the left are set flush right on the page as one block: a formula's rows, from
  // its first step to its last, keep their "=" under the first one, and the widest of them ends
  // at the right margin.
  std::vector<std::size_t> formula(set.size(), 0);  // where each line's formula begins
  std::vector<qreal> widest(set.size(), 0);
  for (std::size_t at = 0; at < set.size(); ++at) {
    formula[at] =
        at > 0 && set[at].line->kind == SolutionLine::Kind::NextStep ? formula[at - 1] : at;
    for (const SetLine& row : set[at].rows)
      widest[formula[at]] = std::max(widest[formula[at]], row.indent + row.box.width);
  }
  for (std::size_t at = 0; at < set.size(); ++at) {
    const SetSolutionLine& line = set[at];
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
      run_->cursor.insertText(ToQString(line.line->text), sentence);
      continue;
    }
    bool first = true;
    for (const SetLine& row : line.rows) {
      QTextBlockFormat placed = paragraph_;
      placed.setTopMargin(first && !next ? 6 : 2);
      placed.setRightMargin(direction == FormulaDirection::RightToLeft
                                ? row.indent
                                : widest[formula[at]] - row.indent - row.box.width);
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

void PrintDocument::rules(int count) {
  if (count <= 0) return;
  QTextBlockFormat ruled = paragraph_;
  ruled.setTopMargin(4);
  newBlock(ruled);
  QTextCharFormat drawn;
  drawn.setObjectType(kRulesObject);
  drawn.setProperty(kObjectIndex, rules_->add(column_, count));
  drawn.setProperty(kObjectIndex + 1, qreal(device_.logicalDpiY()));
  run_->cursor.insertText(QString(QChar::ObjectReplacementCharacter), drawn);
}

void PrintDocument::beside(const Figure& figure, FormulaDirection direction, qreal width,
                           qreal height) {
  endBeside();
  const qreal perCentimetre = device_.logicalDpiX() / 2.54;
  const qreal across = std::min(width * perCentimetre, device_.width() / 2.0);
  // The figure's column with a gap of half a centimetre on the text's side.
  const qreal share = (across + perCentimetre / 2) / device_.width();
  QTextTableFormat format;
  format.setBorder(0);
  format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
  format.setCellPadding(0);
  format.setCellSpacing(0);
  format.setMargin(0);
  format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
  // The columns from the left: the figure, then its text.
  format.setColumnWidthConstraints({QTextLength(QTextLength::PercentageLength, 100 * share),
                                    QTextLength(QTextLength::PercentageLength, 100 * (1 - share))});
  format.setLayoutDirection(Qt::LeftToRight);
  if (!run_->fill) run_->cursor.insertBlock(paragraph_);
  run_->empty = false;
  run_->beside = run_->cursor.insertTable(1, 2, format);

  QTextCursor drawing = run_->beside->cellAt(0, 0).firstCursorPosition();
  QTextBlockFormat centred = paragraph_;
  centred.setAlignment(Qt::AlignHCenter);
  drawing.setBlockFormat(centred);
  QTextCharFormat drawn;
  drawn.setObjectType(kFigureObject);
  drawn.setProperty(kObjectIndex,
                    figures_->add(figure, {across, across * height / width}, direction));
  drawing.insertText(QString(QChar::ObjectReplacementCharacter), drawn);

  run_->cursor = run_->beside->cellAt(0, 1).firstCursorPosition();
  run_->fill = true;
  column_ = device_.width() * (1 - share);
}

void PrintDocument::endBeside() {
  if (run_->beside == nullptr) return;
  run_->cursor = run_->beside->lastCursorPosition();
  run_->cursor.movePosition(QTextCursor::NextBlock);
  run_->fill = true;
  run_->beside = nullptr;
  column_ = device_.width();
}

void PrintDocument::footer(Footer text) { footer_ = std::move(text); }

void PrintDocument::newPage() {
  if (run_->empty) return;
  paintRun();
  startRun();
}

void PrintDocument::keepTogether() { run_->together.push_back({nextBlock(), -1}); }

void PrintDocument::endTogether() {
  if (!run_->together.empty() && run_->together.back().second < 0)
    run_->together.back().second = nextBlock() - 1;
}

bool PrintDocument::paintRun() {
  if (failed_ || run_->empty) return !failed_;
  if (!painter_->isActive()) {
    if (!painter_->begin(&device_)) return !(failed_ = true);
  } else if (!device_.newPage()) {
    return !(failed_ = true);
  }
  QTextDocument& document = run_->document;
  // The foot of each page keeps three lines for its footer: two of them keep it apart.
  const qreal footerRoom = footer_ ? 3 * QFontMetricsF(font_, &device_).height() : 0;
  const qreal pageHeight = device_.height() - footerRoom;
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
  // The parts: each part kept together that fits on a page, and every other block alone; blocks
  // side by side (a figure and its text) are one part.
  std::vector<PagePart> parts;
  const auto add = [&parts](PagePart part) {
    if (!parts.empty() && part.top < parts.back().bottom) {
      parts.back().top = std::min(parts.back().top, part.top);
      parts.back().bottom = std::max(parts.back().bottom, part.bottom);
    } else {
      parts.push_back(part);
    }
  };
  auto together = run_->together.begin();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    while (together != run_->together.end() && together->first < block.blockNumber()) ++together;
    if (together != run_->together.end() && together->first == block.blockNumber()) {
      const QTextBlock last = together->second < 0 ? document.lastBlock()
                                                   : document.findBlockByNumber(together->second);
      PagePart part{top(block), bottom(block)};
      for (QTextBlock in = block; in.isValid() && in.blockNumber() <= last.blockNumber();
           in = in.next()) {
        part.top = std::min(part.top, top(in));
        part.bottom = std::max(part.bottom, bottom(in));
      }
      if (last.isValid() && part.bottom - part.top <= pageHeight) {
        add(part);
        block = last;
        continue;
      }
    }
    add({top(block), bottom(block)});
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
    context.clip = shown.adjusted(0, 1, 0, -1);
    layout->draw(painter_.get(), context);
    painter_->restore();
    paintFooter(static_cast<int>(at) + 1, static_cast<int>(starts.size()));
  }
  return true;
}

void PrintDocument::paintFooter(int page, int pages) {
  if (!footer_) return;
  const QString text = footer_(page, pages);
  if (text.isEmpty()) return;
  QFont small = font_;
  small.setPointSizeF(kTextSize * 0.85);
  const qreal height = QFontMetricsF(small, &device_).height();
  painter_->save();
  painter_->setFont(small);
  painter_->setPen(Qt::black);
  painter_->setLayoutDirection(Qt::RightToLeft);
  painter_->drawText(QRectF(0, device_.height() - height, device_.width(), height),
                     Qt::AlignHCenter | Qt::AlignVCenter, text);
  painter_->restore();
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

namespace {

// Whether a file holds a PDF to its end: a file cut short by a full disk lacks its last "%%EOF".
bool WholePdf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() < 16) return false;
  constexpr qint64 kTail = 64;
  file.seek(std::max<qint64>(0, file.size() - kTail));
  return file.read(kTail).trimmed().endsWith("%%EOF") && file.seek(0) && file.read(5) == "%PDF-";
}

}  // namespace

QString PrintOn(QPrinter& printer, const std::function<bool(QPagedPaintDevice&)>& paint) {
  const QString target = printer.outputFileName();
  if (target.isEmpty()) {
    if (paint(printer) && printer.printerState() != QPrinter::Error) return {};
    return QStringLiteral(u"لم تتم الطباعة: تعذر الإرسال إلى الطابعة «%1».")
        .arg(printer.printerName());
  }
  // Printed beside the file, then copied into its place through a file of its own that replaces
  // it only once complete.
  QTemporaryFile beside(target + QStringLiteral(".XXXXXX.pdf"));
  if (!beside.open()) return NotWritten(target);
  beside.close();
  printer.setOutputFileName(beside.fileName());
  const bool painted = paint(printer) && printer.printerState() != QPrinter::Error;
  printer.setOutputFileName(target);
  if (!painted || (printer.outputFormat() == QPrinter::PdfFormat && !WholePdf(beside.fileName())))
    return NotWritten(target);
  QFile pages(beside.fileName());
  QSaveFile file(target);
  if (!pages.open(QIODevice::ReadOnly) || !file.open(QIODevice::WriteOnly))
    return NotWritten(target);
  while (!pages.atEnd()) {
    const QByteArray part = pages.read(1 << 16);
    if (part.isEmpty() || file.write(part) != part.size()) {
      file.cancelWriting();
      return NotWritten(target);
    }
  }
  return file.commit() ? QString() : NotWritten(target);
}

QString PrintThroughDialog(QWidget* parent, const QString& dialogTitle, const QString& documentName,
                           const std::function<bool(QPagedPaintDevice&)>& paint) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(documentName);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(dialogTitle);
  if (dialog.exec() != QDialog::Accepted) return {};
  return PrintOn(printer, paint);
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
