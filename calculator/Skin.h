#pragma once

#include <QtGui/qwindowdefs.h>

#include <QString>

namespace numora {

// The calculator's skin component. Its one operation takes the handle of a window and from then
// on draws the window's client area, its push buttons (normal, highlighted, pressed) and its
// text box in the look of the skin it carries. The window works as before: the skin only paints.
class Skin {
 public:
  // The skin embedded with the program.
  Skin();
  // A skin stored elsewhere among the program's resources.
  explicit Skin(QString resource);

  // Raises std::runtime_error when the handle names no window of this program or the skin
  // cannot be read; the window then keeps its standard look.
  void ApplySkin(WId window);

 private:
  QString resource_;
};

}  // namespace numora
