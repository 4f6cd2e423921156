#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

namespace numora {

// A face as a layout row or a window names it.
struct FontSpec {
  const char* family = nullptr;  // nullptr: the window's font
  double pointSize = 0;
  bool bold = false;
};

// The layouts are measured in Windows' own faces (Arial, Tahoma and the dialog font), which write
// Arabic. Where a face is missing, or writes no Arabic, faces of like width stand in for it:
// Liberation Sans (Arial's metric twin) for Latin letters and digits, and Harmattan, whose Arabic
// runs as wide as Arial's (bench/fonts/fontfit measures the candidates over every caption), in
// the program's own subset of its Arabic letters, Numora Arabic (tools/fonts/arabic-subset.sh),
// which Qt draws with a fraction of the memory. Where a stand-in is not installed, the copy built
// into the program is registered, once.
//
// The faces that write a face's text on this machine, best first: the face itself where it is
// here and writes Arabic; otherwise the face where it is here, then the stand-ins. Resolved once
// per face.
QStringList FacesFor(const QString& face);

// The font a layout row or a window asks for: its face first, so that it reads back as the layout
// gives it, then the faces of FacesFor. Without a face of its own, base.
QFont FontFor(const FontSpec& wanted, const QFont& base);

// The same font naming only faces that are here. Qt looks for a missing face again at each size a
// text is laid out in, and sorts all of the machine's fonts for stand-ins before it takes the
// next face: where the face is missing, that is a tenth of the work before the splash appears.
QFont InstalledFontFor(const FontSpec& wanted, const QFont& base);

// How far below the top of its line the layouts' face puts a text's baseline: the ascent of the
// font's first face, or Arial's where that is the Arabic stand-in, whose ascent leaves room for
// marks above its letters.
double LayoutAscent(const QFont& font);

// A font at the program's zoom: its point (or pixel) size times the zoom.
QFont ZoomedFont(const QFont& font, double zoom);

// Gives a widget that no layout row made (a window, a menu bar, a menu) its font at a zoom: its
// own font, or the application's for its kind, times the zoom; at 1 it gets back the font it had,
// inherited again where it inherited it.
void ZoomWidgetFont(QWidget* widget, double zoom);

// Gives the application's font (the platform's, which windows without a font of their own, message
// boxes and tooltips use) the faces of FacesFor. Called once at start-up, before any window.
void UseLayoutFaces();

}  // namespace numora
