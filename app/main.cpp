#include <QApplication>
#include <QByteArray>
#include <QCommandLineParser>
#include <QEvent>
#include <QIcon>
#include <QLocale>
#include <QStringList>
#include <QTimer>
#include <QTranslator>
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
  // Qt's Arabic texts where they are not in place yet.
  AfterSplashFrame(QWidget& splash, bool arabic) : QObject(&splash), arabic_(arabic) {
    splash.installEventFilter(this);
  }

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
    if (!arabic_) numora::UseArabicInterface(*qApp);
  }

  bool arabic_;
  bool given_ = false;
};

// The two lines of the options' help that Qt's Arabic translation leaves in English.
class HelpWords final : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (qstrcmp(context, "QCommandLineParser") != 0) return {};
    if (qstrcmp(source, "Displays help on commandline options.") == 0)
      return QStringLiteral(u"يعرض هذه المساعدة عن الخيارات.");
    if (qstrcmp(source, "Displays help including Qt specific options.") == 0)
      return QStringLiteral(u"يعرض المساعدة مع خيارات Qt نفسها.");
    return {};
  }
};

// The program's options, after Qt has taken its own (-platform, -style, ...): --help (with
// --help-all for Qt's own) and --version write to the standard output, on Windows, where the
// program has no console, in a box, and end the program with status 0 before any window is made;
// an option it does not know ends it with a sentence saying so. Qt's Arabic texts are put in place
// first, for the help's own words, where there is an option to read at all; true then.
bool ReadOptions(QApplication& application) {
  if (QApplication::arguments().size() < 2) return false;
  numora::UseArabicInterface(application);
  HelpWords words;
  QCoreApplication::installTranslator(&words);
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral(u"Numora %1: مساعد في رياضيات المدرسة، بواجهة عربية.")
          .arg(QApplication::applicationVersion()));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.process(application);
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Numora"));
  QApplication::setApplicationVersion(QStringLiteral(NUMORA_VERSION));
  // The same reverse-DNS ID names the desktop entry and the metainfo, so that a desktop finds the
  // running program's entry and icon.
  QApplication::setDesktopFileName(QString::fromLatin1(NUMORA_APP_ID));
  // Windows are hidden, never closed, on the way between them; the program ends only when one of
  // its own ways of ending says so.
  QApplication::setQuitOnLastWindowClosed(false);
  const bool arabic = ReadOptions(application);
  // Before the first window: where the platform's face is missing or writes no Arabic, the
  // faces that stand in for the layouts' take its place.
  numora::UseLayoutFaces();

  numora::ApplicationEnd programEnd;
  numora::ModalMessageBoxes messages;
  numora::Registry registry(programEnd, messages,
                            numora::RegionNotation(QLocale::system(), numora::RegionNumerals()));
  new AfterSplashFrame(registry.form(numora::FormId::Form14), arabic);
  registry.show(numora::FormId::Form14);
  return QApplication::exec();
}
