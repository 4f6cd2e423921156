// The yardstick for start-up time and memory: the smallest Qt Widgets program with one window,
// one label and one button, built with the same compiler and flags as Numora.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("minimal"));
  auto* layout = new QVBoxLayout(&window);
  layout->addWidget(new QLabel(QStringLiteral("label"), &window));
  layout->addWidget(new QPushButton(QStringLiteral("button"), &window));
  window.show();
  return QApplication::exec();
}
