#pragma once

#include <QObject>
#include <QString>

namespace numora {

class SettingsStore;

// The choices of the settings window and of practice that are kept for the next run, besides the
// notation (FormulaSetting): the zoom, whether the solution panel opens at a window's first
// calculation, and the level practice begins at. Each is read once, when the program starts; a
// missing, unreadable or unknown value is the default, without a word to the pupil. A choice that
// cannot be kept holds until the program ends.
class Choices final : public QObject {
  Q_OBJECT

 public:
  explicit Choices(SettingsStore& settings);

  // The zoom kept, in percent: 100 where none was kept; whether it is one of the zoom's steps is
  // the zoom's to say.
  int zoom() const { return zoom_; }
  void setZoom(int percent);
  // Whether a topic window's first calculation opens its solution panel; yes by default.
  bool panelAtFirst() const { return panelAtFirst_; }
  void setPanelAtFirst(bool open);
  // The practice level, from the easiest: 0, 1 or 2; the easiest by default.
  int level() const { return level_; }
  void setLevel(int level);

  static constexpr int kLevels = 3;

 signals:
  void changed();

 private:
  void keep(const QString& key, const QString& value);

  SettingsStore& settings_;
  int zoom_ = 100;
  bool panelAtFirst_ = true;
  int level_ = 0;
};

}  // namespace numora
