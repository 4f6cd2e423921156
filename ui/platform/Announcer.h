#pragma once

#include <QString>
#include <QWidget>

namespace numora {

// Says a sentence to the pupil's screen reader at once, wherever the keyboard focus is: the
// results of a click, or why it stopped. Qt 6.4 has no announcement of its own, so this is the
// smallest layer that reaches the screen readers of both platforms:
// - on Linux, an accessible object of the notification role, invisible and out of the tab order,
//   whose name is the sentence and which is shown afresh for each one: AT-SPI sends
//   "showing", and Orca speaks a notification that shows, as it does a desktop notification;
// - on Windows, besides that, a UI Automation notification event raised on the window
//   (UiaRaiseNotificationEvent, looked up at run time: Windows 10 1709 and later have it, and a
//   system without it only misses the announcement).
class Announcer final : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* window);

  void say(const QString& sentence);
  // The last sentence said; empty before the first.
  QString said() const { return accessibleName(); }
};

}  // namespace numora
