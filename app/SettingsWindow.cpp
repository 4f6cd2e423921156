#include "app/SettingsWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <initializer_list>

#include "numeric/Notation.h"
#include "ui/frame/Zoom.h"
#include "ui/platform/Choices.h"
#include "ui/platform/FormulaSetting.h"
#include "ui/platform/Settings.h"

namespace numora {
namespace {

struct StyleRow {
  NotationStyle style;
  const char* name;
  const char16_t* caption;
};

// In the order of the window's buttons; the caption says the direction and how numbers or letters
// are written.
constexpr StyleRow kStyles[] = {
    {NotationStyle::Mashriq, "Mashriq", u"طريقة المشرق (من اليمين إلى اليسار، ١٢٣)"},
    {NotationStyle::Maghreb, "Maghreb", u"طريقة المغرب العربي (من اليمين إلى اليسار، 123)"},
    {NotationStyle::Moroccan, "Moroccan", u"الطريقة المغربية (من اليسار إلى اليمين، x و π)"},
};

// The round and the square indicators of the options as large as the zoom makes their captions.
class ZoomedIndicators final : public QProxyStyle {
 public:
  explicit ZoomedIndicators(QObject* owner) : QProxyStyle(QApplication::style()->name()) {
    setParent(owner);
  }
  double zoom = 1.0;

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
      case PM_ExclusiveIndicatorWidth:
      case PM_ExclusiveIndicatorHeight:
      case PM_RadioButtonLabelSpacing:
      case PM_IndicatorWidth:
      case PM_IndicatorHeight:
      case PM_CheckBoxLabelSpacing:
        return qRound(pixels * zoom);
      default:
        return pixels;
    }
  }
};

// The units of length in the order of the list, each with its name; the list shows each unit's
// sign in the notation's letters.
struct UnitRow {
  LengthUnit unit;
  const char16_t* name;
};
constexpr UnitRow kUnits[] = {{LengthUnit::Centimetre, u"سنتيمتر"},
                              {LengthUnit::Millimetre, u"مليمتر"},
                              {LengthUnit::Metre, u"متر"},
                              {LengthUnit::None, u"بلا وحدة"}};

QString UnitCaption(const UnitRow& row, const Notation& notation) {
  const QString name = QString::fromUtf16(row.name);
  if (row.unit == LengthUnit::None) return name;
  Notation inUnit = notation;
  inUnit.lengths = row.unit;
  return name + QStringLiteral(" (") + QString::fromStdU16String(inUnit.unitSign(Unit::Length)) +
         QStringLiteral(")");
}

}  // namespace

SettingsWindow::SettingsWindow(Zoom& zoom, FormulaSetting& formulas, Choices& choices)
    : ProgramWindow(nullptr, Qt::Window), zoom_(zoom), formulas_(formulas), choices_(choices) {
  setObjectName(QStringLiteral("SettingsWindow"));
  setWindowTitle(QStringLiteral(u"الإعدادات"));
  setAccessibleName(windowTitle());
  setLayoutDirection(Qt::RightToLeft);

  auto* notationGroup = new QGroupBox(QStringLiteral(u"طريقة كتابة الرياضيات"), this);
  notationGroup->setObjectName(QStringLiteral("NotationGroup"));
  auto* notationRows = new QVBoxLayout(notationGroup);
  styles_ = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    notation[i] = new QRadioButton(QString::fromUtf16(kStyles[i].caption), notationGroup);
    notation[i]->setObjectName(QLatin1String(kStyles[i].name));
    notation[i]->setAccessibleName(notation[i]->text());
    styles_->addButton(notation[i], i);
    notationRows->addWidget(notation[i]);
  }

  auto* zoomName = new QLabel(QStringLiteral(u"التكبير:"), this);
  zoomBox = new QComboBox(this);
  zoomBox->setObjectName(QStringLiteral("ZoomBox"));
  zoomBox->setAccessibleName(QStringLiteral(u"التكبير"));
  for (const int percent : Zoom::Steps())
    zoomBox->addItem(QStringLiteral(u"%1 ٪").arg(percent), percent);
  zoomName->setBuddy(zoomBox);
  auto* zoomRow = new QHBoxLayout;
  zoomRow->addWidget(zoomName);
  zoomRow->addWidget(zoomBox);
  zoomRow->addStretch();

  auto* unitName = new QLabel(QStringLiteral(u"وحدة الطول:"), this);
  unitBox = new QComboBox(this);
  unitBox->setObjectName(QStringLiteral("UnitBox"));
  unitBox->setAccessibleName(QStringLiteral(u"وحدة الطول"));
  for (const UnitRow& row : kUnits)
    unitBox->addItem(UnitCaption(row, formulas_.notation()), static_cast<int>(row.unit));
  unitName->setBuddy(unitBox);
  auto* unitRow = new QHBoxLayout;
  unitRow->addWidget(unitName);
  unitRow->addWidget(unitBox);
  unitRow->addStretch();

  panelBox = new QCheckBox(QStringLiteral(u"إظهار الحل عند أول حساب"), this);
  panelBox->setObjectName(QStringLiteral("PanelBox"));
  panelBox->setAccessibleName(panelBox->text());

  notKept = new QLabel(SettingsStore::kNotKeptNote, this);
  notKept->setObjectName(QStringLiteral("NotKept"));
  notKept->setWordWrap(true);
  notKept->setVisible(!formulas.settings().kept());

  closeButton = new QPushButton(QStringLiteral(u"إغلاق"), this);
  closeButton->setObjectName(QStringLiteral("CloseButton"));
  closeButton->setAccessibleName(closeButton->text());
  closeButton->setAutoDefault(true);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch();
  buttonRow->addWidget(closeButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(notationGroup);
  layout->addLayout(zoomRow);
  layout->addLayout(unitRow);
  layout->addWidget(panelBox);
  layout->addWidget(notKept);
  layout->addStretch();
  layout->addLayout(buttonRow);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  // Tab goes down the window: the notation (its buttons one stop, the arrows between them), the
  // zoom, the unit, the panel, the close button.
  setTabOrder(notation[0], notation[1]);
  setTabOrder(notation[1], notation[2]);
  setTabOrder(notation[2], zoomBox);
  setTabOrder(zoomBox, unitBox);
  setTabOrder(unitBox, panelBox);
  setTabOrder(panelBox, closeButton);

  showChoices();
  connect(styles_, &QButtonGroup::idClicked, this,
          [this](int id) { formulas_.setStyle(kStyles[id].style); });
  connect(zoomBox, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0) zoom_.setPercent(zoomBox->itemData(index).toInt());
  });
  connect(unitBox, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0)
      formulas_.setLengthUnit(static_cast<LengthUnit>(unitBox->itemData(index).toInt()));
  });
  connect(panelBox, &QCheckBox::toggled, this,
          [this](bool open) { choices_.setPanelAtFirst(open); });
  connect(&formulas_, &FormulaSetting::changed, this, &SettingsWindow::showChoices);
  connect(&choices_, &Choices::changed, this, &SettingsWindow::showChoices);
  connect(&formulas_.settings(), &SettingsStore::notKept, notKept, &QWidget::show);
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  indicators_ = new ZoomedIndicators(this);
  for (QWidget* option :
       std::initializer_list<QWidget*>{notation[0], notation[1], notation[2], panelBox})
    option->setStyle(static_cast<ZoomedIndicators*>(indicators_));

  base_ = font();
  zoom_.follow(*this);
  connect(&zoom_, &Zoom::changed, this, [this] {
    showChoices();
    zoomTo(zoom_.factor());
  });
  zoomTo(zoom_.factor());
}

void SettingsWindow::showChoices() {
  for (int i = 0; i < 3; ++i)
    if (kStyles[i].style == formulas_.style()) notation[i]->setChecked(true);
  {
    const QSignalBlocker quiet(zoomBox);
    zoomBox->setCurrentIndex(zoomBox->findData(zoom_.percent()));
  }
  {
    const QSignalBlocker quiet(unitBox);
    for (int i = 0; i < unitBox->count(); ++i)
      unitBox->setItemText(i, UnitCaption(kUnits[i], formulas_.notation()));
    unitBox->setCurrentIndex(unitBox->findData(static_cast<int>(formulas_.lengthUnit())));
  }
  const QSignalBlocker quiet(panelBox);
  panelBox->setChecked(choices_.panelAtFirst());
}

void SettingsWindow::zoomTo(double zoom) {
  // The indicators first: the new font makes each option measure itself again.
  static_cast<ZoomedIndicators*>(indicators_)->zoom = zoom;
  QFont zoomed = base_;
  zoomed.setPointSizeF(base_.pointSizeF() * zoom);
  setFont(zoomed);
  // The combo box's list opens in a window of its own, which takes no font from the window.
  zoomBox->view()->setFont(zoomed);
  unitBox->view()->setFont(zoomed);
  layout()->activate();
  adjustSize();
  resized();
}

void SettingsWindow::focusFirst() {
  QAbstractButton* chosen = styles_->checkedButton();
  (chosen != nullptr ? chosen : notation[0])->setFocus();
}

}  // namespace numora
