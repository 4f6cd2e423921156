#include "ui/frame/ProgramWindow.h"

#include <QPoint>
#include <QRect>
#include <QScreen>
#include <algorithm>

namespace numora {

void CentreOnScreen(QWidget& window) {
  const QScreen* where = window.screen();
  if (where == nullptr) return;
  const QRect available = where->availableGeometry();
  QRect placed(QPoint(), window.frameGeometry().size());
  placed.moveCenter(available.center());
  window.move(std::max(placed.left(), available.left()), std::max(placed.top(), available.top()));
}

void ProgramWindow::open() {
  if (!placed_) {
    placed_ = true;
    CentreOnScreen(*this);
  }
  show();
  raise();
  activateWindow();
  if (focusWidget() == nullptr) focusFirst();
}

void ProgramWindow::resized() {
  if (placed_) CentreOnScreen(*this);
}

}  // namespace numora
