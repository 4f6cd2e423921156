#include "app/WorksheetDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/frame/Zoom.h"
#include "ui/platform/FormulaSetting.h"
#include "ui/platform/Settings.h"
#include "ui/platform/Utf16Text.h"
#include "ui/solution/PrintDocument.h"
#include "ui/solution/PrintPreview.h"
#include "ui/solution/TopicWindow.h"

namespace numora {
namespace {

constexpr int kMostExercises = 40, kMostCopies = 60;

// The choices as the settings keep them: a topic by its window's layout name, a level and a place
// of the keys by a word that stays whatever the order of their lists.
const QString kTopicsKey = QStringLiteral("worksheet/topics");
const QString kCountKey = QStringLiteral("worksheet/count");
const QString kLevelKey = QStringLiteral("worksheet/level");
const QString kCopiesKey = QStringLiteral("worksheet/copies");
const QString kKeysKey = QStringLiteral("worksheet/keys");
constexpr std::pair<Level, const char*> kLevelWords[] = {
    {Level::Easy, "easy"}, {Level::Medium, "medium"}, {Level::Hard, "hard"}};
constexpr std::pair<KeysPlace, const char*> kKeysWords[] = {
    {KeysPlace::AfterEachCopy, "after-each-copy"}, {KeysPlace::AtTheEnd, "at-the-end"}};

QString TopicName(FormId form) { return QStringLiteral("Form%1").arg(static_cast<int>(form)); }

template <typename Choice, std::size_t n>
QString WordOf(const QComboBox* box, const std::pair<Choice, const char*> (&words)[n]) {
  for (const auto& [choice, word] : words)
    if (static_cast<int>(choice) == box->currentData().toInt()) return QString::fromLatin1(word);
  return {};
}

template <typename Choice, std::size_t n>
void ChooseWord(QComboBox* box, const QString& kept,
                const std::pair<Choice, const char*> (&words)[n]) {
  for (const auto& [choice, word] : words)
    if (kept == QLatin1String(word)) {
      if (const int at = box->findData(static_cast<int>(choice)); at >= 0) box->setCurrentIndex(at);
    }
}

void ChooseNumber(QSpinBox* box, const QVariant& kept) {
  bool read = false;
  const int number = kept.toInt(&read);
  if (read && number >= box->minimum() && number <= box->maximum()) box->setValue(number);
}

std::uint64_t FreshSeed() {
  return QRandomGenerator::global()->bounded(static_cast<quint64>(kLowestSeed),
                                             static_cast<quint64>(kHighestSeed) + 1);
}

// The work of a sheet under a progress dialog, which shows itself when the work lasts longer than
// half a second and stops it at "إلغاء". Working the exercises out is the first half of the bar,
// printing them the second.
class SheetWork {
 public:
  explicit SheetWork(QWidget* parent)
      : dialog_(QStringLiteral(u"تُعدّ ورقة التمارين…"), QStringLiteral(u"إلغاء"), 0, 0, parent) {
    dialog_.setWindowTitle(QStringLiteral(u"ورقة تمارين"));
    // The windows that work the exercises out stay as they are until the work is done.
    dialog_.setWindowModality(Qt::ApplicationModal);
    dialog_.setMinimumDuration(500);
    dialog_.setAutoReset(false);
    dialog_.setAutoClose(false);
    dialog_.setAccessibleName(dialog_.labelText());
  }
  Progress making() { return half(0); }
  Progress printing() { return half(1); }
  bool cancelled() const { return dialog_.wasCanceled(); }
  // Out of the way until the next step: the print preview stays open after its pages are painted.
  void pause() {
    dialog_.reset();
    dialog_.hide();
  }
  // The printing half once more, as the preview asks for it, timed from now: the progress shows
  // where this painting lasts, not because the preview was open long.
  Progress printingAgain() {
    dialog_.reset();
    dialog_.setValue(0);
    return printing();
  }

 private:
  Progress half(int which) {
    return [this, which](int done, int total) {
      dialog_.setMaximum(2 * total);
      // Each step shows, and lets the program answer: the window is repainted and "إلغاء" heard.
      dialog_.setValue(which * total + done);
      return !dialog_.wasCanceled();
    };
  }
  QProgressDialog dialog_;
};

}  // namespace

WorksheetDialog::WorksheetDialog(const FormContext& context,
                                 std::function<TopicWindow&(FormId)> window,
                                 SettingsStore& settings)
    : context_(context), window_(std::move(window)), settings_(settings) {
  setWindowTitle(QStringLiteral(u"ورقة تمارين"));
  setAccessibleName(windowTitle());
  setLayoutDirection(Qt::RightToLeft);
  // The numbers in the boxes in the region's digits, as every number the program writes.
  const QLocale eastern(QLocale::Arabic, QLocale::Egypt);
  setLocale(eastern.zeroDigit() == QChar(context.numerals.zero) ? eastern : QLocale::c());

  auto* topics = new QGroupBox(QStringLiteral(u"الموضوعات"));
  topics->setAccessibleName(topics->title());
  auto* grid = new QGridLayout(topics);
  int at = 0;
  for (const SheetTopicRow& row : kSheetTopics) {
    auto* box = new QCheckBox(ToQString(row.caption));
    box->setAccessibleName(box->text());
    box->setObjectName(QStringLiteral("topic%1").arg(static_cast<int>(row.form)));
    grid->addWidget(box, at / 3, at % 3);
    topicBoxes.emplace_back(row.form, box);
    ++at;
  }

  countBox = new QSpinBox;
  countBox->setRange(1, kMostExercises);
  countBox->setValue(10);
  levelBox = new QComboBox;
  for (const Level level : {Level::Easy, Level::Medium, Level::Hard})
    levelBox->addItem(ToQString(LevelName(level)), static_cast<int>(level));
  seedBox = new QSpinBox;
  seedBox->setRange(static_cast<int>(kLowestSeed), static_cast<int>(kHighestSeed));
  seedBox->setValue(static_cast<int>(FreshSeed()));
  newSeedButton = new QPushButton(QStringLiteral(u"رقم جديد"));
  copiesBox = new QSpinBox;
  copiesBox->setRange(1, kMostCopies);
  keysBox = new QComboBox;
  keysBox->addItem(QStringLiteral(u"مفتاح كل نسخة بعدها"),
                   static_cast<int>(KeysPlace::AfterEachCopy));
  keysBox->addItem(QStringLiteral(u"المفاتيح كلها في الآخر"),
                   static_cast<int>(KeysPlace::AtTheEnd));

  auto* seedRow = new QHBoxLayout;
  seedRow->addWidget(seedBox, 1);
  seedRow->addWidget(newSeedButton);
  auto* form = new QFormLayout;
  const auto add = [form](const QString& label, QWidget* field, QLayout* row = nullptr) {
    field->setAccessibleName(label);
    if (row)
      form->addRow(label + u':', row);
    else
      form->addRow(label + u':', field);
  };
  add(QStringLiteral(u"عدد التمارين"), countBox);
  add(QStringLiteral(u"المستوى"), levelBox);
  add(QStringLiteral(u"رقم الورقة"), seedBox, seedRow);
  newSeedButton->setAccessibleName(QStringLiteral(u"رقم ورقة جديد"));
  add(QStringLiteral(u"نسخة لكل تلميذ"), copiesBox);
  add(QStringLiteral(u"مفاتيح الإجابات"), keysBox);
  // Each copy prints its own number, and a sheet of one copy from that number is that copy.
  auto* again = new QLabel(
      QStringLiteral(u"لطباعة ورقة مرة أخرى: اكتب رقمها المطبوع عليها واختر نسخة واحدة."));
  again->setWordWrap(true);
  seedBox->setAccessibleDescription(again->text());

  printButton = new QPushButton(QStringLiteral(u"طباعة…"));
  previewButton = new QPushButton(QStringLiteral(u"معاينة…"));
  // The mark after "PDF" keeps the dots at the caption's end, on its left, as Arabic reads.
  pdfButton = new QPushButton(QStringLiteral(u"حفظ ملف PDF\u200F…"));
  closeButton = new QPushButton(QStringLiteral(u"إغلاق"));
  auto* buttons = new QDialogButtonBox;
  for (QPushButton* button : {printButton, previewButton, pdfButton, closeButton}) {
    button->setAccessibleName(button->text().remove(u'…').remove(QChar(0x200F)));
    buttons->addButton(button, button == closeButton ? QDialogButtonBox::RejectRole
                                                     : QDialogButtonBox::ActionRole);
  }

  auto* column = new QVBoxLayout(this);
  column->addWidget(topics);
  column->addLayout(form);
  column->addWidget(again);
  // Where the choices cannot be kept, a quiet line says so, from the first one that was not.
  notKept = new QLabel(SettingsStore::kNotKeptNote);
  notKept->setObjectName(QStringLiteral("SettingsNotKept"));
  notKept->setWordWrap(true);
  notKept->setVisible(!settings_.kept());
  connect(&settings_, &SettingsStore::notKept, notKept, &QLabel::show);
  column->addWidget(notKept);
  column->addWidget(buttons);

  restore();
  for (const auto& [form, box] : topicBoxes)
    connect(box, &QCheckBox::toggled, this, &WorksheetDialog::keep);
  for (QSpinBox* box : {countBox, copiesBox})
    connect(box, &QSpinBox::valueChanged, this, &WorksheetDialog::keep);
  for (QComboBox* box : {levelBox, keysBox})
    connect(box, &QComboBox::currentIndexChanged, this, &WorksheetDialog::keep);

  connect(newSeedButton, &QPushButton::clicked, this,
          [this] { seedBox->setValue(static_cast<int>(FreshSeed())); });
  connect(printButton, &QPushButton::clicked, this, &WorksheetDialog::print);
  connect(previewButton, &QPushButton::clicked, this, &WorksheetDialog::preview);
  connect(pdfButton, &QPushButton::clicked, this, &WorksheetDialog::saveAsPdf);
  connect(closeButton, &QPushButton::clicked, this, &WorksheetDialog::hide);

  // The dialog grows with the program's zoom, as the windows do, and takes its keys.
  if (Zoom* zoom = context.zoom) {
    zoom->follow(*this);
    const QFont base = font();
    auto follow = [this, zoom, base] {
      QFont zoomed = base;
      zoomed.setPointSizeF(base.pointSizeF() * zoom->factor());
      setFont(zoomed);
      adjustSize();
    };
    follow();
    connect(zoom, &Zoom::changed, this, follow);
  }
  // F1 opens the program's help here too.
  if (context.openHelp) {
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { context_.openHelp(); });
  }
}

void WorksheetDialog::restore() {
  const std::unique_ptr<QSettings> settings = settings_.open();
  const QStringList topics = settings->value(kTopicsKey).toStringList();
  for (const auto& [form, box] : topicBoxes) box->setChecked(topics.contains(TopicName(form)));
  ChooseNumber(countBox, settings->value(kCountKey));
  ChooseWord(levelBox, settings->value(kLevelKey).toString(), kLevelWords);
  ChooseNumber(copiesBox, settings->value(kCopiesKey));
  ChooseWord(keysBox, settings->value(kKeysKey).toString(), kKeysWords);
}

void WorksheetDialog::keep() const {
  const std::unique_ptr<QSettings> settings = settings_.open();
  QStringList topics;
  for (const auto& [form, box] : topicBoxes)
    if (box->isChecked()) topics << TopicName(form);
  settings->setValue(kTopicsKey, topics);
  settings->setValue(kCountKey, countBox->value());
  settings->setValue(kLevelKey, WordOf(levelBox, kLevelWords));
  settings->setValue(kCopiesKey, copiesBox->value());
  settings->setValue(kKeysKey, WordOf(keysBox, kKeysWords));
  settings_.keep(*settings);
}

void WorksheetDialog::choose(std::optional<FormId> topic) {
  // The main menu is a window too, and no topic of a sheet.
  const auto sheetTopic = [&topic](const auto& row) { return row.first == topic; };
  if (std::none_of(topicBoxes.begin(), topicBoxes.end(), sheetTopic)) return;
  for (const auto& [form, box] : topicBoxes) box->setChecked(form == *topic);
}

std::optional<PrintedSheet> WorksheetDialog::sheet(const Progress& progress) {
  WorksheetChoice choice{.topics = {},
                         .count = countBox->value(),
                         .level = static_cast<Level>(levelBox->currentData().toInt()),
                         .seed = static_cast<std::uint64_t>(seedBox->value()),
                         .copies = copiesBox->value(),
                         .keys = static_cast<KeysPlace>(keysBox->currentData().toInt())};
  QStringList without;
  for (const auto& [form, box] : topicBoxes) {
    if (!box->isChecked()) continue;
    TopicWindow& window = window_(form);
    if (window.exercises() == nullptr) without << box->text();
    choice.topics.push_back({ToU16String(box->text()), &window, window.exercises()});
  }
  if (choice.topics.empty()) {
    fail(QStringLiteral(u"اختر موضوعا واحدا على الأقل."));
    return std::nullopt;
  }
  if (!without.isEmpty()) {
    fail(QStringLiteral(u"لا تمارين بعد في: %1.").arg(without.join(QStringLiteral(u"، "))));
    return std::nullopt;
  }
  const FormulaDirection direction =
      context_.formulas ? context_.formulas->direction() : FormulaDirection::LeftToRight;
  return MakeSheet(choice, NotationOr(context_.formulas, context_.numerals), direction, progress);
}

bool WorksheetDialog::saveAs(const QString& path) {
  SheetWork work(this);
  const std::optional<PrintedSheet> made = sheet(work.making());
  if (!made) return false;
  if (WriteSheetPdf(*made, path, work.printing())) return true;
  if (!work.cancelled()) fail(NotWritten(path));
  return false;
}

void WorksheetDialog::print() {
  SheetWork work(this);
  const std::optional<PrintedSheet> made = sheet(work.making());
  if (!made) return;
  const QString failed = PrintThroughDialog(
      this, QStringLiteral(u"طباعة ورقة التمارين"), ToQString(made->title),
      [&](QPagedPaintDevice& device) { return PrintSheet(*made, device, work.printing()); });
  if (!failed.isEmpty() && !work.cancelled()) fail(failed);
}

void WorksheetDialog::preview() {
  SheetWork work(this);
  const std::optional<PrintedSheet> made = sheet(work.making());
  if (!made) return;
  work.pause();
  // "إلغاء" stops the preview's painting where it stands: thrown from the progress and caught
  // here, the stop unwinds the sheet's printing, whose document and painter end as they go. The
  // printer is never aborted: Qt's preview cannot let go of an aborted printer's pages
  // (PreviewThroughDialog).
  struct Stopped {};
  const auto paint = [&](QPagedPaintDevice& device, Painting painting) {
    if (painting == Painting::Print) return PrintSheet(*made, device, work.printingAgain());
    try {
      const bool painted =
          PrintSheet(*made, device, [printing = work.printingAgain()](int done, int total) {
            if (!printing(done, total)) throw Stopped{};
            return true;
          });
      work.pause();
      return painted;
    } catch (const Stopped&) {
      return false;
    }
  };
  const QString failed = PreviewThroughDialog(this, QStringLiteral(u"معاينة ورقة التمارين"),
                                              ToQString(made->title), paint);
  if (!failed.isEmpty() && !work.cancelled()) fail(failed);
}

void WorksheetDialog::saveAsPdf() {
  const QString path = AskPdfPath(this, *context_.messages,
                                  QStringLiteral(u"حفظ ورقة التمارين ملف PDF"), windowTitle());
  if (!path.isEmpty()) saveAs(path);
}

void WorksheetDialog::fail(const QString& sentence) {
  context_.messages->show({kProgramTitle, sentence, Message::Icon::Critical});
}

}  // namespace numora
