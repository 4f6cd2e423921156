#pragma once

#include <QString>
#include <memory>

class QSettings;

namespace numora {

// The program's settings: the user's own (the registry on Windows, the configuration file on
// Linux), or those of the given file, which tests and screenshots use so as never to read or write
// the user's. A setting that cannot be written is not kept; the program goes on with the choice.
std::unique_ptr<QSettings> OpenSettings(const QString& file);

}  // namespace numora
