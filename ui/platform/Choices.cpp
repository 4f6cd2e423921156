#include "ui/platform/Choices.h"

#include <QSettings>
#include <QStringList>
#include <memory>

#include "ui/platform/Settings.h"

namespace numora {
namespace {

const QString kZoomKey = QStringLiteral("view/zoom");
const QString kPanelKey = QStringLiteral("view/panel");
const QString kLevelKey = QStringLiteral("practice/level");

// The levels as they are kept, from the easiest.
const QStringList kLevelKeys = {QStringLiteral("easy"), QStringLiteral("medium"),
                                QStringLiteral("hard")};

// The largest zoom a setting may hold; a larger number is no zoom of the program's.
constexpr int kLargestZoom = 1000;

}  // namespace

Choices::Choices(SettingsStore& settings) : settings_(settings) {
  const std::unique_ptr<QSettings> kept = settings_.open();
  // A number of digits alone: "150", never "150abc" or "1e2".
  bool number = false;
  const QString zoom = kept->value(kZoomKey).toString();
  const int percent = zoom.toInt(&number);
  if (number && percent > 0 && percent <= kLargestZoom) zoom_ = percent;
  const QString panel = kept->value(kPanelKey).toString();
  if (panel == QStringLiteral("false")) panelAtFirst_ = false;
  if (const qsizetype level = kLevelKeys.indexOf(kept->value(kLevelKey).toString()); level >= 0)
    level_ = static_cast<int>(level);
}

void Choices::keep(const QString& key, const QString& value) {
  const std::unique_ptr<QSettings> kept = settings_.open();
  kept->setValue(key, value);
  settings_.keep(*kept);
  emit changed();
}

void Choices::setZoom(int percent) {
  if (percent == zoom_ || percent <= 0 || percent > kLargestZoom) return;
  zoom_ = percent;
  keep(kZoomKey, QString::number(percent));
}

void Choices::setPanelAtFirst(bool open) {
  if (open == panelAtFirst_) return;
  panelAtFirst_ = open;
  keep(kPanelKey, open ? QStringLiteral("true") : QStringLiteral("false"));
}

void Choices::setLevel(int level) {
  if (level == level_ || level < 0 || level >= kLevels) return;
  level_ = level;
  keep(kLevelKey, kLevelKeys[level]);
}

}  // namespace numora
