#include "calculator/Skin.h"

#include <QFile>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace numora {

Skin::Skin() : Skin(QStringLiteral(":/skins/standard.qss")) {}

Skin::Skin(QString resource) : resource_(std::move(resource)) {}

void Skin::ApplySkin(WId window) {
  QWidget* target = QWidget::find(window);
  if (target == nullptr) throw std::runtime_error("Skin: no window has this handle");
  QFile file(resource_);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
    throw std::runtime_error("Skin: cannot read " + resource_.toStdString());
  sheet_ = QString::fromUtf8(file.readAll());
  target_ = target;
  apply();
}

void Skin::setZoom(double zoom) {
  zoom_ = zoom;
  if (target_ != nullptr) apply();
}

void Skin::apply() const {
  if (zoom_ == 1.0) {
    target_->setStyleSheet(sheet_);
    return;
  }
  // Every length in pixels stays whole, at least one pixel where it was; sizes in points scale.
  static const QRegularExpression kLength(QStringLiteral("(\\d+(?:\\.\\d+)?)(px|pt)\\b"));
  QString zoomed;
  qsizetype last = 0;
  for (const QRegularExpressionMatch& length : kLength.globalMatch(sheet_)) {
    zoomed += QStringView(sheet_).mid(last, length.capturedStart() - last);
    const double value = length.captured(1).toDouble() * zoom_;
    const bool pixels = length.captured(2) == QLatin1String("px");
    zoomed += (pixels ? QString::number(value > 0 ? std::max(1L, std::lround(value)) : 0L)
                      : QString::number(value, 'f', 2)) +
              length.captured(2);
    last = length.capturedEnd();
  }
  zoomed += QStringView(sheet_).mid(last);
  target_->setStyleSheet(zoomed);
}

}  // namespace numora
