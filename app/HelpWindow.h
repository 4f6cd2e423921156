#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace numora {

class Zoom;

// "المساعدة", opened by F1 from every window: what each window of the main menu does, the solution
// panel, practice, worksheets, printing and the keys, in Arabic, read from the right. It grows
// with the program's zoom and takes its keys, as the windows do; Escape closes it. One window for
// the whole program: F1 shows it again where it was and brings it to the front.
class HelpWindow final : public QWidget {
 public:
  // The zoom it follows; none: it stays at 100 %.
  explicit HelpWindow(Zoom* zoom);

  // Shows the window, in front of the others and with the keyboard's focus.
  void open();

  // The help's text, as rich text.
  static QString Text();

  QTextBrowser* text;

 private:
  void zoomTo(double zoom);
  // In the middle of its screen; one larger than the screen shows its top left corner.
  void centre();

  QFont base_;
  bool placed_ = false;
};

}  // namespace numora
