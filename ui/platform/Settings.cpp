#include "ui/platform/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QSettings>
#include <QStringList>
#include <algorithm>
#include <iterator>

namespace numora {
namespace {

// No line the program writes comes near it; a longer one is read past, not kept.
constexpr qint64 kLongestLine = 4096;
// More settings than the program has, however many lines of its groups a file repeats.
constexpr qsizetype kMostKeys = 256;

bool KnownGroup(QByteArrayView group) {
  return std::any_of(std::begin(SettingsStore::kGroups), std::end(SettingsStore::kGroups),
                     [group](const char* known) { return group == QByteArrayView(known); });
}

// A value as the INI files of Qt write the program's: a word, a number, or a list of words
// separated by commas, each of them quoted where it holds a comma or begins or ends with a blank,
// with "\" before a quote, a backslash or the letters of a line feed and a tab.
QVariant ReadValue(const QString& text) {
  if (text == QLatin1String("@Invalid()")) return {};  // an empty list
  QStringList items;
  QString item;
  qsizetype solid = 0;  // the item's length up to its last quoted or visible character
  bool quoted = false, escaped = false;
  const auto take = [&](QChar c, bool counts) {
    if (!counts && item.isEmpty()) return;  // a blank before the item
    item += c;
    if (counts) solid = item.size();
  };
  for (const QChar c : text) {
    if (escaped) {
      take(c == u'n' ? QChar(u'\n') : c == u't' ? QChar(u'\t') : c, true);
      escaped = false;
    } else if (c == u'\\') {
      escaped = true;
    } else if (c == u'"') {
      quoted = !quoted;
      solid = item.size();
    } else if (c == u',' && !quoted) {
      items << item.left(solid);
      item.clear();
      solid = 0;
    } else {
      take(c, quoted || !c.isSpace());
    }
  }
  items << item.left(solid);
  if (items.size() > 1) return items;
  return items.front();
}

QString WrittenItem(const QString& item) {
  QString written;
  bool quote = item.isEmpty() || item.front().isSpace() || item.back().isSpace();
  for (const QChar c : item) {
    if (c == u'\\' || c == u'"') written += u'\\';
    if (c == u',' || c == u';' || c == u'=') quote = true;
    written += c == u'\n' ? QStringLiteral("\\n") : c == u'\t' ? QStringLiteral("\\t") : QString(c);
  }
  return quote ? u'"' + written + u'"' : written;
}

QString WrittenValue(const QVariant& value) {
  if (value.typeId() == QMetaType::QStringList) {
    const QStringList items = value.toStringList();
    if (items.isEmpty()) return QStringLiteral("@Invalid()");
    QStringList written;
    for (const QString& item : items) written << WrittenItem(item);
    return written.join(u", ");  // a list of one reads back as its word, and as a list of it
  }
  return WrittenItem(value.toString());
}

bool ReadSettings(QIODevice& device, QSettings::SettingsMap& map) {
  QByteArray group;
  bool known = false;
  while (!device.atEnd()) {
    QByteArray line = device.readLine(kLongestLine);
    if (line.isEmpty() && !device.atEnd()) return false;  // a read that failed
    if (!line.endsWith('\n') && !device.atEnd()) {
      // Too long to be the program's: read past it to its end, a piece at a time.
      QByteArray rest;
      do rest = device.readLine(kLongestLine);
      while (!rest.isEmpty() && !rest.endsWith('\n'));
      continue;
    }
    line = line.trimmed();
    if (line.startsWith('[') && line.endsWith(']')) {
      group = line.mid(1, line.size() - 2).trimmed();
      known = KnownGroup(group);
      continue;
    }
    const qsizetype equals = line.indexOf('=');
    if (!known || equals <= 0 || line.startsWith(';')) continue;
    if (map.size() >= kMostKeys) break;
    const QString key = QString::fromUtf8(group + '/' + line.left(equals).trimmed());
    map.insert(key, ReadValue(QString::fromUtf8(line.mid(equals + 1).trimmed())));
  }
  return true;
}

bool WriteSettings(QIODevice& device, const QSettings::SettingsMap& map) {
  QByteArray text;
  QByteArray group;
  for (auto entry = map.cbegin(); entry != map.cend(); ++entry) {
    const QByteArray key = entry.key().toUtf8();
    const qsizetype slash = key.indexOf('/');
    if (slash <= 0 || !KnownGroup(key.left(slash))) continue;
    if (key.left(slash) != group) {
      group = key.left(slash);
      text += (text.isEmpty() ? "[" : "\n[") + group + "]\n";
    }
    text += key.mid(slash + 1) + '=' + WrittenValue(entry.value()).toUtf8() + '\n';
  }
  return device.write(text) == text.size();
}

QSettings::Format ProgramFormat() {
  static const QSettings::Format format =
      QSettings::registerFormat(QStringLiteral("conf"), ReadSettings, WriteSettings);
  return format;
}

}  // namespace

const QString SettingsStore::kNotKeptNote =
    QStringLiteral(u"تعذّر حفظ الإعدادات: يبقى اختيارك حتى إغلاق البرنامج.");

const QString SettingsStore::kPortableName = QStringLiteral("numora.ini");

SettingsStore::SettingsStore(QString file)
    : file_(file.isEmpty() && QCoreApplication::instance() != nullptr
                ? PortableFile(QCoreApplication::applicationDirPath())
                : std::move(file)) {}

QString SettingsStore::PortableFile(const QString& programFolder) {
  if (programFolder.isEmpty()) return {};
  const QFileInfo file(QDir(programFolder).filePath(kPortableName));
  return file.isFile() ? file.filePath() : QString();
}

std::unique_ptr<QSettings> SettingsStore::open() const {
  // A file alone, without the user's settings or the administrator's under it.
  if (!file_.isEmpty()) return std::make_unique<QSettings>(file_, ProgramFormat());
    // The user's, over the computer's (Qt's fallbacks): a value missing from the first is read from
    // the second, and what is written goes to the first alone.
#ifdef Q_OS_WIN
  // The registry: HKEY_CURRENT_USER\Software\Numora\Numora over
  // HKEY_LOCAL_MACHINE\Software\Numora\Numora, read a value at a time.
  return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                     QStringLiteral("Numora"), QStringLiteral("Numora"));
#else
  // ~/.config/Numora/Numora.conf over Numora/Numora.conf in the folders of $XDG_CONFIG_DIRS,
  // /etc/xdg by default.
  return std::make_unique<QSettings>(ProgramFormat(), QSettings::UserScope,
                                     QStringLiteral("Numora"), QStringLiteral("Numora"));
#endif
}

bool SettingsStore::keep(QSettings& settings) {
  settings.sync();
  if (settings.status() == QSettings::NoError) return true;
  if (kept_) {
    kept_ = false;
    emit notKept();
  }
  return false;
}

}  // namespace numora
