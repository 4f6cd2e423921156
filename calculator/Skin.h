#pragma once

#include <QtGui/qwindowdefs.h>

#include <QPointer>
#include <QString>
#include <QWidget>

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

  // Draws the skin at a zoom: its lengths and font sizes times the zoom, on the window it was
  // applied to, if any, at once.
  void setZoom(double zoom);

 private:
  void apply() const;

  QString resource_;
  QString sheet_;  // as the skin gives it, at 100 %
  QPointer<QWidget> target_;
  double zoom_ = 1.0;
};

}  // namespace numora
