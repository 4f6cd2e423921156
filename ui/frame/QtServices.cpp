#include "ui/frame/QtServices.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace numora {

void ApplicationEnd::endProgram() {
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  QCoreApplication::exit(0);
}

void ModalMessageBoxes::show(const Message& message) {
  QMessageBox box(
      message.icon == Message::Icon::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
      message.caption, message.text, QMessageBox::Ok);
  // Arabic reads from the right: the icon on the right, the text aligned to it.
  box.setLayoutDirection(Qt::RightToLeft);
  box.exec();
}

}  // namespace numora
