#include "ui/frame/ControlBuilder.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>
#include <limits>

#include "ui/frame/Fields.h"
#include "ui/frame/Twips.h"

namespace numora {
namespace {

QString Text(const char16_t* text) { return text ? QString::fromUtf16(text) : QString(); }

// The layouts put a caption's baseline one ascent of their own face below its top. Where its
// Arabic letters come from a face with a taller ascent than the first face's (a stand-in, see
// Faces.h), Qt lowers the whole line by the difference, towards the control below: the label
// starts that much higher instead, so that its letters stand where the layout's face has them.
int BaselineDrop(const QLabel* label) {
  QTextLayout layout(label->text(), label->font());
  layout.beginLayout();
  const QTextLine line = layout.createLine();
  layout.endLayout();
  return qRound(line.ascent() - LayoutAscent(label->font()));
}

constexpr const char* kLayoutTwips = "numoraLayoutTwips";
constexpr const char* kLayoutFont = "numoraLayoutFont";  // a row's own font, at 100 %
constexpr const char* kLabelFit = "numoraLabelFit";      // how a caption's label fits its text

enum LabelFit { kFramed = 1, kAutoSize = 2, kCentred = 4 };

// An option's round indicator as large as the zoom makes its caption (a style sheet would keep
// the option from taking the window's font).
class ZoomedIndicator final : public QProxyStyle {
 public:
  explicit ZoomedIndicator(QObject* owner) : QProxyStyle(QApplication::style()->name()) {
    setParent(owner);
  }
  double zoom = 1.0;

  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    const int pixels = QProxyStyle::pixelMetric(metric, option, widget);
    const bool indicator = metric == PM_ExclusiveIndicatorWidth ||
                           metric == PM_ExclusiveIndicatorHeight ||
                           metric == PM_RadioButtonLabelSpacing;
    return indicator ? qRound(pixels * zoom) : pixels;
  }
};

void ZoomIndicator(QRadioButton* option, double zoom) {
  auto* style = option->findChild<ZoomedIndicator*>(QString(), Qt::FindDirectChildrenOnly);
  if (style == nullptr) {
    if (zoom == 1.0) return;
    style = new ZoomedIndicator(option);
    option->setStyle(style);
  }
  style->zoom = zoom;
  option->update();
  option->updateGeometry();
}

// Fits a label placed from its row to its text, at the size of its font now.
void FitLabel(QLabel* label, double zoom) {
  const int fit = label->property(kLabelFit).toInt();
  if (fit & kFramed) {
    label->setLineWidth(std::max(1, qRound(zoom)));  // the result's border grows with it
    return;
  }
  const int drop = BaselineDrop(label);
  if (drop > 0) label->setGeometry(label->geometry().adjusted(0, -drop, 0, 0));
  // What it covers of a control above stays that control's to click.
  if (drop > 0 || label->testAttribute(Qt::WA_TransparentForMouseEvents))
    label->setAttribute(Qt::WA_TransparentForMouseEvents, drop > 0);
  if (fit & kAutoSize) {
    label->adjustSize();
    return;
  }
  // A caption is read whole: where the desktop's font is wider than the layout's, the label grows
  // around its box (from its left edge, or from its centre when centred) instead of wrapping or
  // cutting the words.
  const QSize needed = label->sizeHint();
  QRect box = label->geometry();
  if (needed.width() > box.width()) {
    const int grow = needed.width() - box.width();
    box.setLeft(box.left() - ((fit & kCentred) ? grow / 2 : 0));
    box.setWidth(needed.width());
  }
  box.setHeight(std::max(box.height(), needed.height()));
  label->setGeometry(box);
}

}  // namespace

void FocusFramedButton::paintEvent(QPaintEvent* event) {
  QPushButton::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  QPen pen(palette().color(QPalette::Active, QPalette::Highlight), qRound(2 * zoom));
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const qreal inset = qRound(3 * zoom);
  painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

QRect LayoutTwips(const QWidget* control) { return control->property(kLayoutTwips).toRect(); }

ControlBuilder::ControlBuilder(ClientArea* client, QObject* buttonKeyFilter)
    : client_(client), buttonKeyFilter_(buttonKeyFilter) {}

QWidget* ControlBuilder::parentFor(QWidget* container) const {
  return container ? container : client_;
}

void ControlBuilder::place(QWidget* widget, const Control& row, bool takesFocus) {
  widget->setObjectName(QString::fromLatin1(row.name));
  widget->setGeometry(TwipsRect(row.left, row.top, row.width, row.height, zoom_));
  widget->setProperty(kLayoutTwips, QRect(row.left, row.top, row.width, row.height));
  if (auto* button = dynamic_cast<FocusFramedButton*>(widget)) button->zoom = zoom_;
  // A control with a font of its own, as the splash's captions have, names only the faces found
  // here; the window's own font keeps the face its layout gives, so that the choice reads back.
  if (row.style.font.family != nullptr) {
    const QFont font = InstalledFontFor(row.style.font, widget->font());
    widget->setProperty(kLayoutFont, font);
    widget->setFont(ZoomedFont(font, zoom_));
  }
  if (row.style.accessibleName != nullptr)
    widget->setAccessibleName(Text(row.style.accessibleName));
  if (row.style.description != nullptr)
    widget->setAccessibleDescription(Text(row.style.description));
  if (takesFocus && row.tabIndex >= 0) tabStops_.emplace_back(row.tabIndex, widget);
}

QPushButton* ControlBuilder::addButton(const Control& row, QWidget* container) {
  auto* button = new FocusFramedButton(Text(row.caption), parentFor(container));
  button->setAutoDefault(false);
  button->setDefault(false);
  button->installEventFilter(buttonKeyFilter_);
  place(button, row, true);
  return button;
}

QLineEdit* ControlBuilder::addTextBox(const Control& row, QWidget* container) {
  auto* box = new QLineEdit(parentFor(container));
  box->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
  new LengthBound(box);
  place(box, row, true);
  if (textBoxHook_) textBoxHook_(box);
  return box;
}

QLabel* ControlBuilder::addLabel(const Control& row, QWidget* container) {
  auto* label = new QLabel(Text(row.caption), parentFor(container));
  const Qt::Alignment horizontal =
      row.style.align == Align::Centre ? Qt::AlignHCenter : (Qt::AlignLeft | Qt::AlignAbsolute);
  label->setAlignment(horizontal | Qt::AlignTop);
  label->setTextFormat(Qt::PlainText);
  if (row.style.framed) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // A result can be selected and copied (Ctrl+C, the context menu), and Tab reaches it, so
    // that a pupil on the keyboard or with a screen reader reads it with its working.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    if (row.tabIndex >= 0) resultStops_.emplace_back(row.tabIndex, label);
  }
  if (row.style.colour != 0) {
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, QColor::fromRgb(row.style.colour));
    label->setPalette(colours);
  }
  label->setProperty(kLabelFit, (row.style.framed ? kFramed : 0) |
                                    (row.style.autoSize ? kAutoSize : 0) |
                                    (row.style.align == Align::Centre ? kCentred : 0));
  place(label, row, false);
  FitLabel(label, zoom_);
  return label;
}

void ControlBuilder::zoomControls(double zoom) {
  zoom_ = zoom;
  for (QWidget* control : client_->findChildren<QWidget*>()) {
    const QRect twips = LayoutTwips(control);
    if (twips.isNull()) continue;
    control->setGeometry(TwipsRect(twips, zoom));
    if (auto* button = dynamic_cast<FocusFramedButton*>(control)) button->zoom = zoom;
    // A result drawn smaller to show its text whole is measured again from its own font.
    const bool shownWhole = ShownWhole(control);
    if (const QVariant font = control->property(kLayoutFont); font.isValid())
      control->setFont(ZoomedFont(font.value<QFont>(), zoom));
    else if (shownWhole)
      control->setFont(QFont());  // the window's, again
    if (auto* label = qobject_cast<QLabel*>(control)) FitLabel(label, zoom);
    if (auto* option = qobject_cast<QRadioButton*>(control)) ZoomIndicator(option, zoom);
    if (shownWhole) ShowWholeAgain(control);
  }
}

QRadioButton* ControlBuilder::addOption(const Control& row, QWidget* container) {
  auto* option = new QRadioButton(Text(row.caption), parentFor(container));
  place(option, row, true);
  ZoomIndicator(option, zoom_);
  return option;
}

QGroupBox* ControlBuilder::addFrame(const Control& row) {
  auto* frame = new QGroupBox(Text(row.caption), client_);
  place(frame, row, false);
  return frame;
}

QProgressBar* ControlBuilder::addProgressBar(const Control& row) {
  auto* bar = new QProgressBar(client_);
  bar->setTextVisible(false);
  place(bar, row, false);
  return bar;
}

void ControlBuilder::addPicture(const char* resource, int left, int top, int width, int height) {
  client_->add(Picture{QString::fromLatin1(resource), left, top, width, height});
}

void ControlBuilder::addLine(int x1, int y1, int x2, int y2, int widthPixels, QColor colour) {
  client_->add(Line{x1, y1, x2, y2, widthPixels, colour});
}

void ControlBuilder::addShape(Shape::Kind kind, int left, int top, int width, int height,
                              int widthPixels) {
  client_->add(Shape{kind, left, top, width, height, widthPixels});
}

void ControlBuilder::finishLayout() {
  const auto byIndex = [](const auto& a, const auto& b) { return a.first < b.first; };
  std::stable_sort(resultStops_.begin(), resultStops_.end(), byIndex);
  if (resultsLeader_ == nullptr)
    tabStops_.insert(tabStops_.end(), resultStops_.begin(), resultStops_.end());
  std::stable_sort(tabStops_.begin(), tabStops_.end(), byIndex);
  for (std::size_t i = 1; i < tabStops_.size(); ++i)
    QWidget::setTabOrder(tabStops_[i - 1].second, tabStops_[i].second);
  if (resultsLeader_ != nullptr) {
    // Each result goes in just after the one before it; what followed the leader follows them.
    QWidget* previous = resultsLeader_;
    for (const auto& [index, result] : resultStops_) {
      QWidget::setTabOrder(previous, result);
      previous = result;
    }
  }
  if (!tabStops_.empty()) tabStops_.front().second->setFocus(Qt::OtherFocusReason);
}

}  // namespace numora
