#include "ui/frame/Zoom.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <array>

namespace numora {
namespace {

constexpr std::array kPercents = {100, 125, 150, 175, 200, 250, 300};

}  // namespace

Zoom::Zoom() {
  // Watched at the application, so that no control of a window (a text box, the calculator's
  // key filter) takes the keys first.
  if (QCoreApplication::instance() != nullptr)
    QCoreApplication::instance()->installEventFilter(this);
}

Zoom::~Zoom() = default;

void Zoom::follow(QWidget& window) {
  followers_.insert(&window);
  connect(&window, &QObject::destroyed, this,
          [this](QObject* gone) { followers_.remove(static_cast<QWidget*>(gone)); });
}

int Zoom::percent() const { return kPercents[step_]; }

void Zoom::enlarge() { stepTo(std::min(step_ + 1, kPercents.size() - 1)); }

void Zoom::shrink() { stepTo(step_ == 0 ? 0 : step_ - 1); }

void Zoom::reset() { stepTo(0); }

bool Zoom::setPercent(int percent) {
  const auto step = std::find(kPercents.begin(), kPercents.end(), percent);
  if (step == kPercents.end()) return false;
  stepTo(static_cast<std::size_t>(step - kPercents.begin()));
  return true;
}

std::span<const int> Zoom::Steps() { return kPercents; }

void Zoom::stepTo(std::size_t step) {
  if (step == step_) return;
  step_ = step;
  emit changed();
}

bool Zoom::take(const QKeyEvent& key) {
  const Qt::KeyboardModifiers others = key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
  if (others != Qt::ControlModifier) return false;
  switch (key.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      enlarge();
      return true;
    case Qt::Key_Minus:
      shrink();
      return true;
    default:
      break;
  }
  // 0 in either alphabet: an Arabic keyboard gives its own zero.
  if (key.key() < 0x10000 && QChar(char16_t(key.key())).digitValue() == 0) {
    reset();
    return true;
  }
  return false;
}

bool Zoom::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
    const QWidget* window = static_cast<QWidget*>(watched)->window();
    if (followers_.contains(window) && take(*static_cast<QKeyEvent*>(event))) return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace numora
