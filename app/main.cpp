#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QLocale>
#include <QTimer>
#include <QWidget>

#include "app/Registry.h"
#include "ui/frame/QtServices.h"
#include "ui/platform/Faces.h"
#include "ui/platform/Language.h"
#include "ui/platform/Region.h"

namespace {

QIcon ProgramIcon() {
  QIcon icon(QStringLiteral(":/pictures/icon.png"));
  for (int size : {48, 64, 128, 256})
    icon.addFile(QStringLiteral(":/pictures/icon-%1.png").arg(size), QSize(size, size));
  return icon;
}

// What the splash does not need, done once it has been painted, or as it goes if that comes
// first: the program's icon (the splash, a frameless window without a task-bar button, shows
// none, so the icon's five pictures are decoded, and handed to the display, after its first frame
// rather than before it) and Qt's Arabic texts (the splash shows none of Qt's own texts; loading
// them first would put the splash off by a tenth of its time). Every window made afterwards has
// both from the start.
class AfterSplashFrame final : public QObject {
 public:
  explicit AfterSplashFrame(QWidget& splash) : QObject(&splash) { splash.installEventFilter(this); }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      QTimer::singleShot(0, this, [this] { give(); });  // once the frame is on screen
    else if (event->type() == QEvent::Hide)
      give();
    return false;
  }

 private:
  void give() {
    if (given_) return;
    given_ = true;
    parent()->removeEventFilter(this);
    QApplication::setWindowIcon(ProgramIcon());
    numora::UseArabicInterface(*qApp);
  }

  bool given_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Numora"));
  // The same reverse-DNS ID names the desktop entry and the metainfo, so that a desktop finds the
  // running program's entry and icon.
  QApplication::setDesktopFileName(QString::fromLatin1(NUMORA_APP_ID));
  // Windows are hidden, never closed, on the way between them; the program ends only when one of
  // its own ways of ending says so.
  QApplication::setQuitOnLastWindowClosed(false);
  // Before the first window: where the platform's face is missing or writes no Arabic, the
  // faces that stand in for the layouts' take its place.
  numora::UseLayoutFaces();

  numora::ApplicationEnd programEnd;
  numora::ModalMessageBoxes messages;
  numora::Registry registry(programEnd, messages,
                            numora::RegionNotation(QLocale::system(), numora::RegionNumerals()));
  new AfterSplashFrame(registry.form(numora::FormId::Form14));
  registry.show(numora::FormId::Form14);
  return QApplication::exec();
}
