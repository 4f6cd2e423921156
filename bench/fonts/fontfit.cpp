// How well the layouts' texts fit their controls in a choice of faces, and what the windows look
// like in the faces the program picks on this machine.
//
//   fontfit                   for every Arabic face of the candidates that is installed, over
//                             every control of all sixteen windows: the captions wider than the
//                             room their control gives them ("wide", and by how many pixels in
//                             all), the captions whose glyphs reach past their control's top or
//                             bottom ("tall"), and the boxes whose digits do ("cut")
//   fontfit --detail FACE     each control in that candidate ("own": in the program's faces)
//   fontfit --shots DIR [--zoom PERCENT] [--formulas ltr|rtl] [--notation mashriq|maghreb|moroccan]
//                [--unit cm|mm|m|none] [--inputs N=A,B,C]...
//                             every window after numbers are typed and a calculation is done, as
//                             DIR/FormN.png, in the faces the program uses here; at a zoom of the
//                             program (100 to 300), reached with its own keys; the formulas in
//                             the region's notation and direction, or the ones given; window N's
//                             boxes given
//                             other numbers, in tab order; a window whose solution is longer than
//                             its panel once more as DIR/FormN-end.png, the solution scrolled to
//                             its end, and each topic window's printout as DIR/FormN.pdf
//
// Run it on the offscreen platform (QT_QPA_PLATFORM=offscreen) or on a display.
//
// A caption is measured in the candidate at the control's own point size and weight against the
// room its layout row gives it (15 twips to the pixel, less the button's margins or the option's
// indicator); the Latin letters and digits of every face come from Liberation Sans, the metric
// twin of Arial, except where the candidate has its own Tahoma. Glyphs are placed as the program
// places them (ControlBuilder, QLineEdit). "the program's own, here" is each control's own font as
// the program resolves it on this machine.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextLayout>
#include <cmath>
#include <cstdio>
#include <vector>

#include "app/Registry.h"
#include "ui/frame/ControlBuilder.h"
#include "ui/frame/Twips.h"
#include "ui/platform/Faces.h"
#include "ui/platform/Language.h"
#include "ui/platform/Region.h"
#include "ui/solution/Printout.h"
#include "ui/solution/TopicWindow.h"

using namespace numora;

namespace {

struct QuietEnd final : ProgramEnd {
  void endProgram() override {}
};
struct QuietMessages final : MessageBoxes {
  void show(const Message&) override {}
  bool ask(const Message&) override { return false; }
};

// A control of a window with the text it shows and the room its layout gives that text.
struct Caption {
  QString where;  // "Form13 Label9"
  QString text;
  QFont font;  // the control's own
  double room = 0;
  double height = 0;
  bool box = false;      // a text box: only its height is measured, for a line of digits
  bool fromTop = false;  // a caption label: its text starts at its top
};

double Room(const QWidget* control, const QRect& px) {
  const QStyle* style = control->style();
  if (qobject_cast<const QPushButton*>(control))
    return px.width() - style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control) -
           2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
  if (qobject_cast<const QRadioButton*>(control))
    return px.width() - style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, control) -
           style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, control);
  if (qobject_cast<const QGroupBox*>(control)) return px.width() - 2 * 8;
  if (qobject_cast<const QLineEdit*>(control))
    return px.width() - 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control);
  return px.width();
}

double LineRoom(const QWidget* control, const QRect& px) {
  if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QPushButton*>(control))
    // A box's frame and the pixel QLineEdit keeps above and below its line.
    return px.height() -
           2 * control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control) - 2;
  return px.height();
}

std::vector<Caption> Captions(Registry& registry) {
  std::vector<Caption> captions;
  for (int n = 1; n <= kFormCount; ++n) {
    FormWindow& window = registry.form(static_cast<FormId>(n));
    for (QWidget* control : window.findChildren<QWidget*>()) {
      const QRect twips = LayoutTwips(control);
      if (twips.isEmpty()) continue;
      Caption caption;
      caption.where = QStringLiteral("Form%1 %2").arg(n).arg(control->objectName());
      caption.font = control->font();
      const QRect px = TwipsRect(twips.x(), twips.y(), twips.width(), twips.height());
      caption.room = Room(control, px);
      caption.height = LineRoom(control, px);
      if (const auto* label = qobject_cast<QLabel*>(control)) {
        caption.text = label->text();
        caption.fromTop = true;
      } else if (const auto* button = qobject_cast<QAbstractButton*>(control))
        caption.text = button->text();
      else if (const auto* frame = qobject_cast<QGroupBox*>(control))
        caption.text = frame->title();
      else if (qobject_cast<QLineEdit*>(control))
        caption.box = true;
      if (!caption.text.trimmed().isEmpty() || caption.box) captions.push_back(caption);
    }
  }
  return captions;
}

struct Candidate {
  QString name;
  QStringList arabic;  // the faces that give the Arabic letters
  QStringList tahoma;  // where not empty: the faces for Tahoma and the window font
};

// The font a caption is measured in under a candidate: the control's size and weight, Latin from
// the metric twin of Arial, Arabic from the candidate.
QFont Under(const Candidate& candidate, const QFont& own) {
  QFont font = own;
  const bool arial = own.family() == QLatin1String("Arial");
  if (!arial && !candidate.tahoma.isEmpty())
    font.setFamilies(candidate.tahoma);
  else
    font.setFamilies(QStringList{QStringLiteral("Liberation Sans")} + candidate.arabic);
  return font;
}

struct Tally {
  int wide = 0;
  double overflow = 0;  // pixels past the room, added up
  int tall = 0;
  int boxesCut = 0;
  double worst = 0;
  QString worstWhere;
};

// Where a text's glyphs are inked, with the top of its line at 0 (and its line's ascent): what
// shows of it, whichever faces its letters come from.
QRectF Ink(const QString& text, const QFont& font, double* ascent = nullptr) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  if (ascent != nullptr) *ascent = line.ascent();
  QRectF ink;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    const QRawFont face = run.rawFont();
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> at = run.positions();
    for (qsizetype i = 0; i < glyphs.size(); ++i)
      ink |= face.boundingRect(glyphs[i]).translated(at[i]);
  }
  return ink;
}

// Where the glyphs are drawn in the control, placed as the control places them: a caption label
// from its top with its baseline where the layout's face has it (as the program draws it), a
// box's line centred on the line height of its first face (as QLineEdit does), other captions
// centred.
QRectF Placed(const Caption& caption, const QString& text, const QFont& font) {
  double ascent = 0;
  const QRectF ink = Ink(text, font, &ascent);
  if (caption.box) {
    const QFontMetrics metrics(font);
    const int line = std::max(metrics.boundingRect(text).height(), metrics.height());
    return ink.translated(0, (caption.height - line + 1) / 2);
  }
  if (caption.fromTop)
    return ink.translated(0, -std::max(0L, std::lround(ascent - LayoutAscent(font))));
  return ink.translated(0, (caption.height - ink.height()) / 2 - ink.top());
}

bool Inside(const Caption& caption, const QString& text, const QFont& font) {
  const QRectF ink = Placed(caption, text, font);
  return ink.top() >= 0 && ink.bottom() <= caption.height;
}

Tally Measure(const std::vector<Caption>& captions, const std::function<QFont(const QFont&)>& in,
              bool detail) {
  Tally tally;
  for (const Caption& caption : captions) {
    const QFont font = in(caption.font);
    if (caption.box) {
      const bool cut = !Inside(caption, QStringLiteral("-0123456789.E+"), font);
      tally.boxesCut += cut ? 1 : 0;
      if (detail)
        std::printf("  %-28s box in %5.1f px high%s\n", qPrintable(caption.where), caption.height,
                    cut ? "  CUT" : "");
      continue;
    }
    const double width = QFontMetricsF(font).horizontalAdvance(caption.text);
    const double over = width - caption.room;
    if (over > 0) {
      ++tally.wide;
      tally.overflow += over;
      if (over > tally.worst) {
        tally.worst = over;
        tally.worstWhere = caption.where;
      }
    }
    const QRectF ink = Placed(caption, caption.text, font);
    const bool tall = !Inside(caption, caption.text, font);
    tally.tall += tall ? 1 : 0;
    if (detail)
      std::printf("  %-28s %6.1f in %5.1f  ink %5.1f to %5.1f in %5.1f%s%s  %s\n",
                  qPrintable(caption.where), width, caption.room, ink.top(), ink.bottom(),
                  caption.height, over > 0 ? "  WIDE" : "", tall ? "  TALL" : "",
                  qPrintable(caption.text));
  }
  return tally;
}

void PrintRow(const QString& name, const Tally& tally) {
  std::printf("| %-36s | %4d | %7.0f | %4d | %4d | %s (%.0f px) |\n", qPrintable(name), tally.wide,
              tally.overflow, tally.tall, tally.boxesCut,
              tally.worstWhere.isEmpty() ? "-" : qPrintable(tally.worstWhere), tally.worst);
}

const QString kWineTahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");

bool Installed(const QString& family) { return !QFontDatabase::styles(family).isEmpty(); }

std::vector<Candidate> Candidates() {
  std::vector<Candidate> candidates = {
      {QStringLiteral("Noto Sans Arabic"), {QStringLiteral("Noto Sans Arabic")}, {}},
      {QStringLiteral("Noto Naskh Arabic"), {QStringLiteral("Noto Naskh Arabic")}, {}},
      {QStringLiteral("Noto Kufi Arabic"), {QStringLiteral("Noto Kufi Arabic")}, {}},
      {QStringLiteral("DejaVu Sans"), {QStringLiteral("DejaVu Sans")}, {}},
      {QStringLiteral("KacstOne"), {QStringLiteral("KacstOne")}, {}},
      {QStringLiteral("KacstBook"), {QStringLiteral("KacstBook")}, {}},
      {QStringLiteral("Harmattan"), {QStringLiteral("Harmattan")}, {}},
      {QStringLiteral("Amiri"), {QStringLiteral("Amiri")}, {}},
      {QStringLiteral("Scheherazade"), {QStringLiteral("Scheherazade")}, {}},
      {QStringLiteral("AlArabiya"), {QStringLiteral("AlArabiya")}, {}},
      {QStringLiteral("Lemonada"), {QStringLiteral("Lemonada")}, {}},
  };
  // Wine's own Tahoma (Debian's fonts-wine) is not in fontconfig's folders: it is measured from
  // its file, as the face for Tahoma and the window font, with its Arabic or another's.
  if (QFile::exists(kWineTahoma)) {
    for (const char* arabic : {"Tahoma", "Noto Sans Arabic", "Noto Kufi Arabic"})
      candidates.push_back({QStringLiteral("Tahoma (fonts-wine) + %1").arg(QLatin1String(arabic)),
                            {QString::fromLatin1(arabic)},
                            {QStringLiteral("Tahoma"), QString::fromLatin1(arabic)}});
  }
  return candidates;
}

// One row of the table. Qt keeps one set of stand-ins per first face and script for the life of
// the process, whatever faces a later font lists after it, so each candidate is measured in a
// process of its own.
int MeasureOne(const QString& name, bool detail) {
  QuietEnd end;
  QuietMessages messages;
  Registry registry(end, messages, RegionNumerals());
  const std::vector<Caption> captions = Captions(registry);
  if (name.isEmpty()) {
    PrintRow(QStringLiteral("the program's own, here"),
             Measure(
                 captions, [](const QFont& own) { return own; }, detail));
    return 0;
  }
  if (QFile::exists(kWineTahoma) && !Installed(QStringLiteral("Tahoma"))) {
    QFontDatabase::addApplicationFont(kWineTahoma);
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf"));
  }
  for (const Candidate& candidate : Candidates()) {
    if (candidate.name != name) continue;
    for (const QString& face : candidate.arabic + candidate.tahoma)
      if (!Installed(face)) {
        std::printf("| %-36s | not installed |\n", qPrintable(candidate.name));
        return 0;
      }
    PrintRow(candidate.name,
             Measure(
                 captions, [&](const QFont& own) { return Under(candidate, own); }, detail));
  }
  return 0;
}

int MeasureAll() {
  std::printf("The window font here: %s %.2f pt\n\n", qPrintable(QApplication::font().family()),
              QApplication::font().pointSizeF());
  std::printf("| %-36s | wide | past px | tall | cut  | widest past its room |\n", "Arabic face");
  std::printf("|--------------------------------------|------|---------|------|------|---|\n");
  std::fflush(stdout);
  QStringList names{QString()};
  for (const Candidate& candidate : Candidates()) names << candidate.name;
  for (const QString& name : names) {
    QProcess row;
    row.setProcessChannelMode(QProcess::ForwardedChannels);
    row.start(QApplication::applicationFilePath(), {QStringLiteral("--row"), name});
    if (!row.waitForFinished(120000) || row.exitCode() != 0) return 1;
  }
  return 0;
}

// Types text into the focused widget as a keyboard would.
void Type(QWidget* target, const QString& text) {
  for (const QChar letter : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(letter));
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
  }
}

// Numbers for the boxes of each window, in tab order, chosen so that results are negative or long
// where the window allows.
QStringList Inputs(FormId id) {
  switch (id) {
    case FormId::Form2:
      return {"3", "-27"};
    case FormId::Form3:
      return {"-2", "15"};
    case FormId::Form4:
      return {"2.5", "3.5", "3"};
    case FormId::Form5:
      return {"7"};
    case FormId::Form6:
      return {"3", "4"};
    case FormId::Form7:
      return {"3", "94", "4"};
    case FormId::Form8:
      return {"6", "4.5"};
    case FormId::Form9:
      return {"2"};
    case FormId::Form11:
      return {"3", "4"};
    case FormId::Form12:
      return {"2", "5"};
    case FormId::Form13:
      return {"2", "3", "1"};
    case FormId::Form15:
      return {"-40"};
    default:
      return {};
  }
}

int Screenshots(const QString& folder, int percent, const QString& formulas, const QString& style,
                const QString& unit, const QMap<int, QStringList>& typed) {
  QDir().mkpath(folder);
  QuietEnd end;
  QuietMessages messages;
  // The region's notation, never the user's kept choice.
  const QTemporaryDir settings;
  Registry registry(end, messages, RegionNotation(QLocale::system(), RegionNumerals()),
                    settings.filePath(QStringLiteral("numora.ini")));
  if (const std::optional<NotationStyle> chosen = StyleOfKey(style.toStdString()))
    registry.formulas().setStyle(*chosen);
  if (const std::optional<LengthUnit> chosen = LengthUnitOfKey(unit.toStdString()))
    registry.formulas().setLengthUnit(*chosen);
  if (formulas == QLatin1String("ltr")) registry.formulas().set(FormulaDirection::LeftToRight);
  if (formulas == QLatin1String("rtl")) registry.formulas().set(FormulaDirection::RightToLeft);
  // Zoomed as a pupil does it, with Ctrl and + in the first window, before the others are made.
  registry.show(FormId::Form14);
  for (int step = 0; registry.zoom().percent() < percent && step < 10; ++step) {
    QKeyEvent plus(QEvent::KeyPress, Qt::Key_Plus, Qt::ControlModifier, QStringLiteral("+"));
    QApplication::sendEvent(&registry.form(FormId::Form14), &plus);
  }
  if (registry.zoom().percent() != percent) {
    std::fprintf(stderr, "no zoom of %d %%: the steps reach %d %%\n", percent,
                 registry.zoom().percent());
    return 2;
  }
  for (int n = 1; n <= kFormCount; ++n) {
    const auto id = static_cast<FormId>(n);
    registry.show(id);
    FormWindow& window = registry.form(id);
    QApplication::processEvents();
    // The boxes a pupil types into, in the order Tab visits them.
    std::vector<QLineEdit*> boxes;
    for (QWidget* at = window.focusWidget(); at != nullptr;) {
      if (auto* box = qobject_cast<QLineEdit*>(at); box && !box->isReadOnly()) {
        if (std::find(boxes.begin(), boxes.end(), box) != boxes.end()) break;
        boxes.push_back(box);
      }
      at = at->nextInFocusChain();
      if (at == window.focusWidget()) break;
    }
    const QStringList inputs = typed.value(n, Inputs(id));
    for (int i = 0; i < inputs.size() && i < static_cast<int>(boxes.size()); ++i) {
      boxes[i]->setFocus();
      Type(boxes[i], inputs[i]);
    }
    if (id == FormId::Form15)
      if (auto* option = window.findChild<QRadioButton*>(QStringLiteral("Option1")))
        option->click();
    if (id == FormId::Form16) Type(window.focusWidget(), QStringLiteral("5-9*3="));
    const char* calculate = (id == FormId::Form9 || id == FormId::Form11) ? "Command2" : "Command1";
    if (!inputs.isEmpty())
      if (auto* button = window.findChild<QPushButton*>(QLatin1String(calculate))) button->click();
    QApplication::processEvents();
    const QString file = QStringLiteral("%1/Form%2.png").arg(folder).arg(n);
    if (!window.grab().save(file)) {
      std::fprintf(stderr, "could not write %s\n", qPrintable(file));
      return 1;
    }
    std::printf("%s\n", qPrintable(file));
    // A solution longer than its panel, once more scrolled to its end, where the answer stands.
    if (auto* steps = window.findChild<QTextBrowser*>(QStringLiteral("SolutionText"));
        steps != nullptr && steps->verticalScrollBar()->maximum() > 0) {
      // The text is laid out as it is shown: its end is known once it has been.
      for (int pass = 0; pass < 2; ++pass) {
        steps->verticalScrollBar()->setValue(steps->verticalScrollBar()->maximum());
        QApplication::processEvents();
      }
      const QString end = QStringLiteral("%1/Form%2-end.png").arg(folder).arg(n);
      if (!window.grab().save(end)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(end));
        return 1;
      }
      std::printf("%s\n", qPrintable(end));
    }
    // A topic window's printout, as the pupil would print it now.
    if (const auto* topic = dynamic_cast<const TopicWindow*>(&window)) {
      const QString pdf = QStringLiteral("%1/Form%2.pdf").arg(folder).arg(n);
      if (!WritePdf(topic->printed(), pdf)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(pdf));
        return 1;
      }
      std::printf("%s\n", qPrintable(pdf));
    }
    window.hide();
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  UseLayoutFaces();
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() >= 3 && arguments[1] == QLatin1String("--shots")) {
    int percent = 100;
    QString formulas, style, unit;
    QMap<int, QStringList> typed;
    for (int i = 3; i + 1 < arguments.size(); i += 2) {
      if (arguments[i] == QLatin1String("--zoom")) percent = arguments[i + 1].toInt();
      if (arguments[i] == QLatin1String("--formulas")) formulas = arguments[i + 1];
      if (arguments[i] == QLatin1String("--notation")) style = arguments[i + 1];
      if (arguments[i] == QLatin1String("--unit")) unit = arguments[i + 1];
      if (arguments[i] == QLatin1String("--inputs")) {
        const QString window = arguments[i + 1].section(u'=', 0, 0);
        typed[window.toInt()] = arguments[i + 1].section(u'=', 1).split(u',');
      }
    }
    return Screenshots(arguments[2], percent, formulas, style, unit, typed);
  }
  if (arguments.size() == 3 && arguments[1] == QLatin1String("--row"))
    return MeasureOne(arguments[2], false);
  if (arguments.size() == 3 && arguments[1] == QLatin1String("--detail"))
    return MeasureOne(arguments[2] == QLatin1String("own") ? QString() : arguments[2], true);
  if (arguments.size() == 1) return MeasureAll();
  std::fprintf(stderr,
               "usage: fontfit [--detail FACE|own | --shots FOLDER [--zoom PERCENT] [--formulas "
               "ltr|rtl] [--notation mashriq|maghreb|moroccan] [--unit cm|mm|m|none] [--inputs "
               "N=A,B,C]...]\n");
  return 2;
}
