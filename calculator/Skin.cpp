#include "calculator/Skin.h"

#include <QFile>
#include <QWidget>
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
  target->setStyleSheet(QString::fromUtf8(file.readAll()));
}

}  // namespace numora
