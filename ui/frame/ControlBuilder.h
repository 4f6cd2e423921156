#pragma once

#include <QColor>
#include <QFont>
#include <QPushButton>
#include <QRect>
#include <functional>
#include <utility>
#include <vector>

#include "ui/frame/Controls.h"
#include "ui/frame/Drawing.h"
#include "ui/platform/Faces.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QObject;
class QProgressBar;
class QRadioButton;
class QWidget;

namespace numora {

// A push button that shows where the keyboard focus is, whatever the style or skin draws: a
// frame in the palette's highlight colour inside its edge, as thick as the zoom makes it.
class FocusFramedButton final : public QPushButton {
 public:
  using QPushButton::QPushButton;
  double zoom = 1.0;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The place and size a control's layout row gives it, in twips, at 100 % (a label that sizes
// itself to its text, or grows to show it whole, may since have another); empty for what no row
// made.
QRect LayoutTwips(const QWidget* control);

// Turns a window's layout rows into its controls and figures on its client area: each control
// placed in twips, with its font, its accessible name and its tab index; push buttons that show
// the keyboard focus and leave Enter to the window's key filter; text boxes that keep what a
// number can need and say when they cut the rest (LengthBound); labels that show a caption whole.
// Everything is placed at the window's zoom, and placed again from its row when the zoom changes.
class ControlBuilder {
 public:
  ControlBuilder(ClientArea* client, QObject* buttonKeyFilter);

  ClientArea* clientArea() const { return client_; }

  QPushButton* addButton(const Control& row, QWidget* container = nullptr);
  QLineEdit* addTextBox(const Control& row, QWidget* container = nullptr);
  QLabel* addLabel(const Control& row, QWidget* container = nullptr);
  QRadioButton* addOption(const Control& row, QWidget* container = nullptr);
  QGroupBox* addFrame(const Control& row);
  QProgressBar* addProgressBar(const Control& row);

  void addPicture(const char* resource, int left, int top, int width, int height);
  void addLine(int x1, int y1, int x2, int y2, int widthPixels = 1, QColor colour = {});
  void addShape(Shape::Kind kind, int left, int top, int width, int height, int widthPixels = 1);

  // Chains the tab order of the focusable controls by their tab index and puts the focus on the
  // first of them. Called once, after the last control is added. The results (framed labels)
  // follow the control given here, in the order of their tab indexes, so that the keyboard
  // reaches them just after the calculate button; without one they keep their own places.
  void finishLayout();
  void setResultsAfter(QWidget* leader) { resultsLeader_ = leader; }

  // Places and sizes every control made from a row, and its font, at a zoom, as if it had been
  // made there: a label sizes itself, grows and is lifted again, a result shows its text whole.
  void zoomControls(double zoom);
  double controlsZoom() const { return zoom_; }

  // Called with each text box as it is made.
  void setTextBoxHook(std::function<void(QLineEdit*)> hook) { textBoxHook_ = std::move(hook); }

 private:
  void place(QWidget* widget, const Control& row, bool takesFocus);
  QWidget* parentFor(QWidget* container) const;

  ClientArea* client_;
  QObject* buttonKeyFilter_;
  std::vector<std::pair<int, QWidget*>> tabStops_;
  std::vector<std::pair<int, QWidget*>> resultStops_;
  QWidget* resultsLeader_ = nullptr;
  std::function<void(QLineEdit*)> textBoxHook_;
  double zoom_ = 1.0;
};

}  // namespace numora
