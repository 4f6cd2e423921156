#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QSettings;

namespace numora {

// The program's settings: the user's own (the registry on Windows, the configuration file
// elsewhere), over the defaults an administrator gave every user of the computer (on Windows the
// key of the local machine, elsewhere the system-wide file), which hold where the user has no value
// of their own; or those of the given file, which tests and screenshots use so as never to read or
// write the user's; or, where a file "numora.ini" is beside the program, a portable copy's, those
// of that file alone. A settings file is read a line at a time and only the program's own groups
// are kept of it, so that a file of any size costs a few kilobytes; what is written back holds
// those groups alone.
class SettingsStore final : public QObject {
  Q_OBJECT

 public:
  // The groups of the program's settings: the first part of each key, "formulas/direction".
  static constexpr const char* kGroups[] = {"formulas", "worksheet", "view", "practice"};
  static const QString kNotKeptNote;

  // Without a file: the portable copy's file beside the program, where there is one, or the
  // user's settings.
  explicit SettingsStore(QString file = {});

  // The file a portable copy keeps its settings in, "numora.ini" in the program's folder, where
  // there is such a file; none otherwise.
  static QString PortableFile(const QString& programFolder);
  static const QString kPortableName;

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
