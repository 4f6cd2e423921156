#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QSettings;

namespace numora {

// The program's settings: the user's own (the registry on Windows, the configuration file
// elsewhere), or those of the given file, which tests and screenshots use so as never to read or
// write the user's. A settings file is read a line at a time and only the program's own groups are
// kept of it, so that a file of any size costs a few kilobytes; what is written back holds those
// groups alone.
class SettingsStore final : public QObject {
  Q_OBJECT

 public:
  // The groups of the program's settings: the first part of each key, "formulas/direction".
  static constexpr const char* kGroups[] = {"formulas", "worksheet", "view", "practice"};
  static const QString kNotKeptNote;

  explicit SettingsStore(QString file = {});

  std::unique_ptr<QSettings> open() const;
  // Writes what was set and says whether it was kept. Where the settings cannot be written (a
  // folder where the file should be, a read-only folder, a full disk, a file that cannot be read)
  // the choice holds until the program ends, and the first such choice of the run is signalled.
  bool keep(QSettings& settings);
  // False from the first choice that could not be kept.
  bool kept() const { return kept_; }

 signals:
  void notKept();

 private:
  QString file_;
  bool kept_ = true;
};

}  // namespace numora
