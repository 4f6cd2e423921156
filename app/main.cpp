#include <QApplication>
#include <QIcon>
#include <QLocale>

#include "app/Registry.h"
#include "app/frame/QtServices.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Numora"));
  // The same reverse-DNS ID names the desktop entry and the metainfo, so that a desktop finds the
  // running program's entry and icon.
  QApplication::setDesktopFileName(QString::fromLatin1(NUMORA_APP_ID));
  QIcon icon(QStringLiteral(":/pictures/icon.png"));
  for (int size : {48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/pictures/icon-%1.png").arg(size), QSize(size, size));
  QApplication::setWindowIcon(icon);
  // Windows are hidden, never closed, on the way between them; the program ends only when one of
  // its own ways of ending says so.
  QApplication::setQuitOnLastWindowClosed(false);

  const QString separator = QLocale::system().decimalPoint();
  numora::ApplicationEnd programEnd;
  numora::ModalMessageBoxes messages;
  numora::Registry registry(programEnd, messages,
                            separator.isEmpty() ? u'.' : separator.front().unicode());
  registry.show(numora::FormId::Form14);
  return QApplication::exec();
}
