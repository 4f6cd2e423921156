#include "app/WorksheetDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLocale>
#include <QProgressDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ui/frame/Zoom.h"
#include "ui/platform/FormulaSetting.h"
#include "ui/platform/Utf16Text.h"
#include "ui/solution/PrintDocument.h"
#include "ui/solution/TopicWindow.h"

namespace numora {
namespace {

constexpr int kMostExercises = 40, kMostCopies = 60;

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
                                 std::function<TopicWindow&(FormId)> window)
    : context_(context), window_(std::move(window)) {
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
  newSeedButton = new QPushButton(QStringLiteral(u"بذرة جديدة"));
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
  add(QStringLiteral(u"البذرة"), seedBox, seedRow);
  newSeedButton->setAccessibleName(newSeedButton->text());
  add(QStringLiteral(u"نسخة لكل تلميذ"), copiesBox);
  add(QStringLiteral(u"مفاتيح الإجابات"), keysBox);

  printButton = new QPushButton(QStringLiteral(u"طباعة…"));
  // The mark after "PDF" keeps the dots at the caption's end, on its left, as Arabic reads.
  pdfButton = new QPushButton(QStringLiteral(u"حفظ ملف PDF\u200F…"));
  closeButton = new QPushButton(QStringLiteral(u"إغلاق"));
  auto* buttons = new QDialogButtonBox;
  for (QPushButton* button : {printButton, pdfButton, closeButton}) {
    button->setAccessibleName(button->text().remove(u'…').remove(QChar(0x200F)));
    buttons->addButton(button, button == closeButton ? QDialogButtonBox::RejectRole
                                                     : QDialogButtonBox::ActionRole);
  }

  auto* column = new QVBoxLayout(this);
  column->addWidget(topics);
  column->addLayout(form);
  column->addWidget(buttons);

  connect(newSeedButton, &QPushButton::clicked, this,
          [this] { seedBox->setValue(static_cast<int>(FreshSeed())); });
  connect(printButton, &QPushButton::clicked, this, &WorksheetDialog::print);
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
}

void WorksheetDialog::choose(std::optional<FormId> topic) {
  if (!topic) return;
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
  return MakeSheet(choice, context_.numerals, direction, progress);
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

void WorksheetDialog::saveAsPdf() {
  const QString path = AskPdfPath(this, *context_.messages,
                                  QStringLiteral(u"حفظ ورقة التمارين ملف PDF"), windowTitle());
  if (!path.isEmpty()) saveAs(path);
}

void WorksheetDialog::fail(const QString& sentence) {
  context_.messages->show({kProgramTitle, sentence, Message::Icon::Critical});
}

}  // namespace numora
