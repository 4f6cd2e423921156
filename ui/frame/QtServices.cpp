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

bool ModalMessageBoxes::ask(const Message& question) {
  QMessageBox box(QMessageBox::Question, question.caption, question.text,
                  QMessageBox::Yes | QMessageBox::No);
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  box.setLayoutDirection(Qt::RightToLeft);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace numora
