#include "ui/platform/Language.h"

#include <QApplication>
#include <QToolTip>
#include <QTranslator>
#include <cmath>

namespace numora {
namespace {

constexpr double kReadable = 4.5;

double Luminance(const QColor& colour) {
  const auto linear = [](double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  const QColor rgb = colour.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette WithReadableToolTips(QPalette palette) {
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    const QColor base = palette.color(group, QPalette::ToolTipBase);
    if (ContrastRatio(palette.color(group, QPalette::ToolTipText), base) >= kReadable) continue;
    const QColor black(Qt::black), white(Qt::white);
    palette.setColor(group, QPalette::ToolTipText,
                     ContrastRatio(black, base) >= ContrastRatio(white, base) ? black : white);
  }
  return palette;
}

void UseArabicInterface(QCoreApplication& application) {
  // Installing the translation also turns Qt's own windows right to left (the translation says
  // so), once the event loop delivers the language change; set here so that it holds at once.
  auto* translator = new QTranslator(&application);
  if (translator->load(QStringLiteral(":/translations/qtbase_ar.qm")))
    QCoreApplication::installTranslator(translator);
  QGuiApplication::setLayoutDirection(Qt::RightToLeft);
  QToolTip::setPalette(WithReadableToolTips(QToolTip::palette()));
}

}  // namespace numora
