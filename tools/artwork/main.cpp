// numora-artwork OUTPUT_DIRECTORY
//
// Paints every picture of the program and writes it into the directory: each at its own size
// and at twice that size ("name@2x.ext", the file Qt looks for on a dense screen; the pictures
// shown at their own size also at three times, "name@3x.ext"), the icon at
// the sizes the desktop asks for, and the Windows icon.
#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QList>
#include <QtEndian>
#include <cstdio>

#include "Painting.h"
#include "Pictures.h"

namespace {

using artwork::Painting;
using artwork::Render;

bool Fail(const QString& path, const QString& why) {
  std::fprintf(stderr, "numora-artwork: cannot write %s: %s\n", qPrintable(path), qPrintable(why));
  return false;
}

// Writes an image in a format Qt knows: JPEG at quality 90, BMP at 24 bits, PNG with alpha.
bool Save(const QImage& image, const QString& path, const char* format) {
  QImageWriter writer(path, format);
  const QByteArray kind(format);
  QImage::Format pixels = QImage::Format_ARGB32;
  if (kind == "jpg") {
    writer.setQuality(90);
    writer.setOptimizedWrite(true);
    pixels = QImage::Format_RGB32;
  } else if (kind == "bmp") {
    pixels = QImage::Format_RGB888;
  }
  const QImage out = image.convertToFormat(pixels);
  if (!writer.write(out)) return Fail(path, writer.errorString());
  std::printf("%-22s %4d x %-4d\n", qPrintable(QFileInfo(path).fileName()), out.width(),
              out.height());
  return true;
}

// Writes name.ext at the logical size and name@2x.ext at twice the size; with densest 3, also
// name@3x.ext, for a picture shown at its own size, which the program's zoom of 300 % draws three
// times as large (the others are drawn smaller than their size, so @2x is dense enough).
bool SavePicture(const QDir& dir, const QString& name, const char* format, QSize size,
                 const QColor& ground, const Painting& paint, int densest = 2) {
  bool ok = true;
  for (int scale = 1; scale <= densest; ++scale) {
    const QString file = name +
                         (scale > 1 ? QStringLiteral("@%1x.").arg(scale) : QStringLiteral(".")) +
                         QString::fromLatin1(format);
    ok &= Save(Render(size, scale, ground, paint), dir.filePath(file), format);
  }
  return ok;
}

// The icon at a pixel size: flat and without antialiasing at its own 32 pixels, smooth at any
// other size.
QImage IconImage(int pixels) {
  const int own = artwork::kIconSize.width();
  const bool flat = pixels == own;
  const Painting paint = [pixels, own, flat](QPainter& p) {
    p.scale(static_cast<double>(pixels) / own, static_cast<double>(pixels) / own);
    artwork::PaintIcon(p, flat);
  };
  return Render(QSize(pixels, pixels), 1, Qt::transparent, paint, !flat)
      .convertToFormat(QImage::Format_ARGB32);
}

// One image of a Windows icon file: its directory entry (without the offset) and its data.
struct IconImageData {
  QByteArray entry;  // width, height, colours, reserved, planes, bits, byte count: 12 bytes
  QByteArray data;
};

// Appends a little-endian number.
template <typename T>
void Put(QByteArray& out, T value) {
  char bytes[sizeof(T)];
  qToLittleEndian<T>(value, bytes);
  out.append(bytes, sizeof(T));
}

// Below 256 pixels an image is stored as a 32-bit bitmap followed by its AND mask, which every
// version of Windows reads; at 256 pixels as PNG, as Windows expects there. (Qt's own icon
// writer leaves the mask's row padding unset, so the file would change from run to run.)
IconImageData EncodeIconImage(const QImage& picture) {
  const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
  const int width = image.width(), height = image.height();
  IconImageData out;
  if (width >= 256) {
    QBuffer buffer(&out.data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
  } else {
    const int maskRow = (width + 31) / 32 * 4;  // one bit a pixel, rows padded to 32 bits
    Put<quint32>(out.data, 40);                 // the bitmap header's size
    Put<qint32>(out.data, width);
    Put<qint32>(out.data, 2 * height);  // the colours and the mask, one above the other
    Put<quint16>(out.data, 1);          // planes
    Put<quint16>(out.data, 32);         // bits per pixel
    Put<quint32>(out.data, 0);          // no compression
    Put<quint32>(out.data, static_cast<quint32>((width * 4 + maskRow) * height));
    for (int i = 0; i < 4; ++i) Put<quint32>(out.data, 0);  // resolution, palette
    for (int y = height - 1; y >= 0; --y)                   // rows from the bottom up
      for (int x = 0; x < width; ++x) {
        const QRgb pixel = image.pixel(x, y);
        const char bgra[] = {static_cast<char>(qBlue(pixel)), static_cast<char>(qGreen(pixel)),
                             static_cast<char>(qRed(pixel)), static_cast<char>(qAlpha(pixel))};
        out.data.append(bgra, 4);
      }
    for (int y = height - 1; y >= 0; --y) {
      QByteArray row(maskRow, '\0');
      for (int x = 0; x < width; ++x)
        if (qAlpha(image.pixel(x, y)) == 0)
          row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
      out.data += row;
    }
  }
  out.entry.append(static_cast<char>(width >= 256 ? 0 : width));
  out.entry.append(static_cast<char>(height >= 256 ? 0 : height));
  out.entry.append(2, '\0');   // no palette, reserved
  Put<quint16>(out.entry, 1);  // planes
  Put<quint16>(out.entry, 32);
  Put<quint32>(out.entry, static_cast<quint32>(out.data.size()));
  return out;
}

// A Windows icon file holding every image, smallest first.
bool SaveIcon(const QList<QImage>& images, const QString& path) {
  QList<IconImageData> parts;
  for (const QImage& image : images) {
    parts.append(EncodeIconImage(image));
    if (parts.back().data.isEmpty()) return Fail(path, QStringLiteral("cannot encode an image"));
  }
  QByteArray file;
  Put<quint16>(file, 0);  // reserved
  Put<quint16>(file, 1);  // an icon, not a cursor
  Put<quint16>(file, static_cast<quint16>(parts.size()));
  quint32 offset = 6 + 16 * static_cast<quint32>(parts.size());
  for (const IconImageData& part : parts) {
    file += part.entry;
    Put<quint32>(file, offset);
    offset += static_cast<quint32>(part.data.size());
  }
  for (const IconImageData& part : parts) file += part.data;
  QFile out(path);
  if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size())
    return Fail(path, out.errorString());
  std::printf("%-22s %d images\n", qPrintable(QFileInfo(path).fileName()),
              static_cast<int>(parts.size()));
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Text is never drawn, but a painter wants a GUI application; none needs a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: numora-artwork OUTPUT_DIRECTORY\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  if (!dir.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "numora-artwork: cannot make %s\n", argv[1]);
    return 1;
  }

  bool ok = true;
  ok &= SavePicture(dir, "splash", "jpg", artwork::kSplashSize, Qt::black, artwork::PaintSplash);
  ok &= SavePicture(dir, "instruments", "jpg", artwork::kInstrumentsSize, Qt::white,
                    artwork::PaintInstruments, 3);
  ok &= SavePicture(dir, "rose", "png", artwork::kRoseSize, Qt::transparent, artwork::PaintRose, 3);
  ok &= SavePicture(dir, "starfield", "jpg", artwork::kStarfieldSize, Qt::black,
                    artwork::PaintStarfield);
  ok &= SavePicture(dir, "portrait", "bmp", artwork::kPortraitSize, Qt::white,
                    artwork::PaintPortrait);

  ok &= Save(IconImage(32), dir.filePath("icon.png"), "png");
  ok &= Save(IconImage(64), dir.filePath("icon@2x.png"), "png");
  for (int pixels : {48, 64, 128, 256})
    ok &= Save(IconImage(pixels), dir.filePath(QStringLiteral("icon-%1.png").arg(pixels)), "png");
  ok &= SaveIcon({IconImage(16), IconImage(32), IconImage(48), IconImage(256)},
                 dir.filePath("numora.ico"));
  return ok ? 0 : 1;
}
