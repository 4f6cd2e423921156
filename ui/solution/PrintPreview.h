#pragma once

#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace numora {

// What the pages are painted for: the preview, on the screen, or the printer.
enum class Painting { Preview, Print };

// Qt's print preview under the given title: the pages the function paints, as the printer will
// print them, painted again at each change of the page's size or orientation; its own print
// button prints the same pages, through Qt's print dialog. Where the preview's pages cannot be
// painted, or their painting is stopped, the preview closes, or never comes into view. Their
// painting must not abort the printer (QPrinter::abort): Qt's preview deletes the pages of an
// aborted printer twice. The sentence that says what failed; empty when the pages were printed
// or the preview was closed without printing.
QString PreviewThroughDialog(QWidget* parent, const QString& dialogTitle,
                             const QString& documentName,
                             const std::function<bool(QPagedPaintDevice&, Painting)>& paint);

}  // namespace numora
