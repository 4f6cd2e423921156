#pragma once

#include <QString>
#include <QWidget>

#include "ui/frame/ProgramWindow.h"

class QTextBrowser;

namespace numora {

class Zoom;

// "المساعدة", opened by F1 from every window: what each window of the main menu does, the solution
// panel, practice, worksheets, printing and the keys, in Arabic, read from the right. It grows
// with the program's zoom and takes its keys, as the windows do; Escape closes it. One window for
// the whole program: F1 shows it again where it was and brings it to the front.
class HelpWindow final : public ProgramWindow {
 public:
  // The zoom it follows; none: it stays at 100 %.
  explicit HelpWindow(Zoom* zoom);

  // The help's text, as rich text.
  static QString Text();

  QTextBrowser* text;

 private:
  void zoomTo(double zoom);

  QFont base_;
};

}  // namespace numora
