#include "ui/platform/Faces.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QWidget>

namespace numora {
namespace {

const QString kLatinStandIn = QStringLiteral("Liberation Sans");
const QString kArabicStandIn = QStringLiteral("Numora Arabic");

// A face of its own on this machine, not a name the platform resolves to another face (as
// fontconfig does "Sans Serif" or Arial).
bool Installed(const QString& face) {
  return QFontDatabase::families().contains(face, Qt::CaseInsensitive);
}

bool WritesArabic(const QString& face) {
  return QFontDatabase::writingSystems(face).contains(QFontDatabase::Arabic);
}

// A stand-in: the installed face, or the program's own copy of it (regular and bold), registered
// from its resources the first time it is needed and missing. Empty where neither is there.
QString StandIn(const QString& face) {
  if (Installed(face)) return face;
  QString registered;
  for (const char* weight : {"-Regular.ttf", "-Bold.ttf"}) {
    const QString file = QStringLiteral(":/fonts/") + QString(face).remove(u' ') + weight;
    const QStringList families =
        QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(file));
    if (registered.isEmpty() && !families.isEmpty()) registered = families.front();
  }
  return registered;
}

QString LatinStandIn() {
  static const QString face = StandIn(kLatinStandIn);
  return face;
}

QString ArabicStandIn() {
  static const QString face = StandIn(kArabicStandIn);
  return face;
}

QFont WithFaces(const FontSpec& wanted, const QFont& base, const QStringList& faces) {
  if (wanted.family == nullptr) return base;
  QFont font(QString::fromLatin1(wanted.family));
  font.setFamilies(faces);
  font.setPointSizeF(wanted.pointSize);
  font.setBold(wanted.bold);
  return font;
}

}  // namespace

QStringList FacesFor(const QString& face) {
  static QHash<QString, QStringList> resolved;
  if (const auto known = resolved.constFind(face); known != resolved.cend()) return *known;
  QStringList faces;
  const bool here = Installed(face);
  if (here) faces.append(face);
  if (!here || !WritesArabic(face)) {
    if (const QString latin = here ? QString() : LatinStandIn(); !latin.isEmpty())
      faces.append(latin);
    if (const QString arabic = ArabicStandIn(); !arabic.isEmpty()) faces.append(arabic);
  }
  resolved.insert(face, faces);
  return faces;
}

QFont FontFor(const FontSpec& wanted, const QFont& base) {
  if (wanted.family == nullptr) return base;
  const QString face = QString::fromLatin1(wanted.family);
  QStringList faces = FacesFor(face);
  if (!faces.contains(face)) faces.prepend(face);
  return WithFaces(wanted, base, faces);
}

QFont InstalledFontFor(const FontSpec& wanted, const QFont& base) {
  if (wanted.family == nullptr) return base;
  const QStringList faces = FacesFor(QString::fromLatin1(wanted.family));
  return faces.isEmpty() ? FontFor(wanted, base) : WithFaces(wanted, base, faces);
}

double LayoutAscent(const QFont& font) {
  const QFontMetricsF metrics(font);
  if (font.families().value(0) != kArabicStandIn) return metrics.ascent();
  constexpr double kArialAscent = 1854.0 / 2048;  // of the em, as Windows gives it
  const double em =
      font.pointSizeF() > 0 ? font.pointSizeF() * metrics.fontDpi() / 72 : font.pixelSize();
  return kArialAscent * em;
}

QFont ZoomedFont(const QFont& font, double zoom) {
  QFont zoomed = font;
  if (font.pointSizeF() > 0)
    zoomed.setPointSizeF(font.pointSizeF() * zoom);
  else if (font.pixelSize() > 0)
    zoomed.setPixelSize(qRound(font.pixelSize() * zoom));
  return zoomed;
}

void ZoomWidgetFont(QWidget* widget, double zoom) {
  constexpr const char* kUnzoomedFont = "numoraUnzoomedFont";
  QVariant unzoomed = widget->property(kUnzoomedFont);
  if (!unzoomed.isValid()) {
    // What it has before its first zoom; a font it inherits is not kept, it comes from above.
    unzoomed = widget->testAttribute(Qt::WA_SetFont) ? QVariant(widget->font()) : QVariant(false);
    widget->setProperty(kUnzoomedFont, unzoomed);
  }
  const bool own = unzoomed.typeId() == QMetaType::QFont;
  // The size is always given, so that the controls inside take it again at 100 %.
  if (own)
    widget->setFont(ZoomedFont(unzoomed.value<QFont>(), zoom));
  else
    widget->setFont(zoom == 1.0 ? QFont() : ZoomedFont(QApplication::font(widget), zoom));
}

void UseLayoutFaces() {
  QFont font = QApplication::font();
  // The platform's face stays only where it writes Arabic itself (Windows' Segoe UI or Tahoma).
  // Linux names a generic family ("Sans Serif") that fontconfig resolves to a face of its own
  // choosing, and a bare Wine prefix names a Tahoma it lacks: there the windows take the
  // stand-ins, the layouts having been measured in faces of their width.
  const QStringList faces = FacesFor(WritesArabic(font.family()) ? font.family() : QString());
  if (!faces.isEmpty() && faces != font.families()) {
    font.setFamilies(faces);
    QApplication::setFont(font);
  }
}

}  // namespace numora
