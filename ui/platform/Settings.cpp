#include "ui/platform/Settings.h"

#include <QSettings>

namespace numora {

std::unique_ptr<QSettings> OpenSettings(const QString& file) {
  if (file.isEmpty())
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Numora"), QStringLiteral("Numora"));
  return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

}  // namespace numora
