#include "ui/frame/FormWindow.h"

#include <QBackingStore>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "numeric/Fault.h"
#include "ui/frame/FaultBox.h"
#include "ui/frame/ProgramWindow.h"
#include "ui/frame/Twips.h"
#include "ui/frame/Zoom.h"
#include "ui/platform/Announcer.h"

namespace numora {
namespace {

Qt::WindowFlags FlagsFor(const FormLook& look) {
  // A window without a task-bar button is a tool window; the frame decides the decorations.
  Qt::WindowFlags flags = look.taskbarButton ? Qt::Window : Qt::Tool;
  if (look.frame == FormLook::Frame::None) return flags | Qt::FramelessWindowHint;
  flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
  return flags;
}

}  // namespace

FormWindow::FormWindow(const FormContext& context, const FormLook& look)
    : QWidget(nullptr, FlagsFor(look)),
      ControlBuilder(new ClientArea(this), this),
      context_(context),
      look_(look) {
  setWindowTitle(QString::fromUtf16(look.caption));
  setFont(FontFor(look.font, font()));

  QPalette colours = palette();
  switch (look.background) {
    case FormLook::Background::ToolTip:
      colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
      break;
    case FormLook::Background::Desktop:
      colours.setColor(QPalette::Window, colours.color(QPalette::Dark));
      break;
    case FormLook::Background::WindowFace:
      break;
  }
  setPalette(colours);
  setAutoFillBackground(true);

  // Placement is absolute and reads left to right, whatever the language of the desktop.
  setLayoutDirection(Qt::LeftToRight);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  clientArea()->setFixedSize(TwipsSize(look.clientWidth, look.clientHeight));
  layout->addWidget(clientArea());

  if (context.openHelp) {
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { run(context_.openHelp); });
  }
  if (context.openSettings) {
    auto* settings = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this);
    connect(settings, &QShortcut::activated, this, [this] { run(context_.openSettings); });
  }

  if (context.zoom != nullptr) {
    context.zoom->follow(*this);
    connect(context.zoom, &Zoom::changed, this, [this] { zoomTo(context_.zoom->factor()); });
    // A window made while the program is zoomed is made at that zoom; its controls are placed
    // at it as they are added.
    if (const double zoom = context.zoom->factor(); zoom != 1.0) {
      ZoomWidgetFont(this, zoom);
      clientArea()->setZoom(zoom, QSize(look.clientWidth, look.clientHeight));
      zoomControls(zoom);
    }
  }
}

void FormWindow::zoomTo(double zoom) {
  ZoomWidgetFont(this, zoom);
  for (QMenuBar* bar : findChildren<QMenuBar*>()) ZoomWidgetFont(bar, zoom);
  // A menu opens in a window of its own, which takes no font from the window.
  for (QMenu* menu : findChildren<QMenu*>()) ZoomWidgetFont(menu, zoom);
  clientArea()->setZoom(zoom, QSize(look_.clientWidth, look_.clientHeight));
  zoomControls(zoom);
  zoomed(zoom);
  layout()->activate();
  if (centred_) placeOnScreen();
}

void FormWindow::placeOnScreen() { CentreOnScreen(*this); }

FormWindow::~FormWindow() = default;

void FormWindow::run(const std::function<void()>& handler) {
  RunGuarded(
      handler,
      [this](const Fault& fault) {
        context_.messages->show(FaultMessage(fault, faultSentence(fault), context_.numerals));
      },
      [this](std::string_view what) {
        context_.messages->show(FailureMessage(
            QString::fromLocal8Bit(what.data(), static_cast<qsizetype>(what.size()))));
      });
}

QString FormWindow::faultSentence(const Fault&) const { return {}; }

void FormWindow::announce(const QString& sentence) {
  if (announcer_ == nullptr) announcer_ = new Announcer(this);
  announcer_->say(sentence);
}

QString FormWindow::announced() const { return announcer_ ? announcer_->said() : QString(); }

QPushButton* FormWindow::addMainButton(const Control& row, ReturnOrder order) {
  QPushButton* button = addButton(row);
  mainButton_ = button;
  onClick(button, [this, order] {
    if (order == ReturnOrder::ShowMainThenHide) {
      context_.showMainMenu();
      hide();
    } else {
      hide();
      context_.showMainMenu();
    }
  });
  return button;
}

void FormWindow::setMenuBar(QMenuBar* menuBar) {
  this->layout()->setMenuBar(menuBar);
  if (const double zoom = zoomFactor(); zoom != 1.0) {
    ZoomWidgetFont(menuBar, zoom);
    for (QMenu* menu : menuBar->findChildren<QMenu*>()) ZoomWidgetFont(menu, zoom);
  }
}

void FormWindow::onClick(QAbstractButton* button, std::function<void()> handler) {
  connect(button, &QAbstractButton::clicked, this,
          [this, handler = std::move(handler)] { run(handler); });
}

void FormWindow::onClick(QButtonGroup* array, std::function<void(int index)> handler) {
  connect(array, &QButtonGroup::idClicked, this,
          [this, handler = std::move(handler)](int index) { run([&] { handler(index); }); });
}

void FormWindow::PressFromKeyboard(QAbstractButton* button) {
  // The handler runs at once, so that keys typed after it act in order; the button is shown
  // pressed for a moment.
  button->click();
  button->setDown(true);
  QTimer::singleShot(100, button, [button] { button->setDown(false); });
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    QAbstractButton* button = qobject_cast<QPushButton*>(watched);
    if (button == nullptr && qobject_cast<QLineEdit*>(watched) != nullptr) button = enterButton_;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (button != nullptr && enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
      if (!key->isAutoRepeat()) PressFromKeyboard(button);
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
  // Escape leaves a window for the main menu, as pupils expect of a dialog.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier &&
      mainButton_ != nullptr && mainButton_->isVisible()) {
    if (!event->isAutoRepeat()) PressFromKeyboard(mainButton_);
    return;
  }
  QWidget::keyPressEvent(event);
}

void FormWindow::unload() { context_.programEnd->endProgram(); }

void FormWindow::closeEvent(QCloseEvent* event) {
  run([this] { unload(); });
  event->accept();
}

// A hidden window gives back the memory of its painted image; it is painted afresh when shown.
void FormWindow::hideEvent(QHideEvent* event) {
  if (QBackingStore* store = backingStore(); store && !event->spontaneous())
    store->resize(QSize(1, 1));
  QWidget::hideEvent(event);
}

void FormWindow::showEvent(QShowEvent* event) {
  if (!centred_) {
    centred_ = true;
    placeOnScreen();
  }
  QWidget::showEvent(event);
}

}  // namespace numora
