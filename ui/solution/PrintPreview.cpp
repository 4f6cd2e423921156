#include "ui/solution/PrintPreview.h"

#include <QEventLoop>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "ui/solution/PrintDocument.h"

namespace numora {

QString PreviewThroughDialog(QWidget* parent, const QString& dialogTitle,
                             const QString& documentName,
                             const std::function<bool(QPagedPaintDevice&, Painting)>& paint) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(documentName);
  QPrintPreviewDialog dialog(&printer, parent);
  dialog.setWindowTitle(dialogTitle);
  dialog.setAccessibleName(dialogTitle);
  dialog.setLayoutDirection(Qt::RightToLeft);
  // The preview paints on the same printer as the print that follows it, through a paint engine
  // of its own, with which its first pages are painted before it comes into view. The last
  // painting's result is the print's, once the dialog is accepted.
  const QPaintEngine* previewing = nullptr;
  bool painted = true;
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* on) {
    if (previewing == nullptr) previewing = on->paintEngine();
    const bool preview = on->paintEngine() == previewing;
    painted = paint(*on, preview ? Painting::Preview : Painting::Print);
    // Closed once the painting has returned: it may run while the preview is open.
    if (!painted && preview)
      QMetaObject::invokeMethod(&dialog, &QDialog::reject, Qt::QueuedConnection);
  });
  // As exec() would, but the preview whose first pages could not be painted is gone before it has
  // been drawn once on the screen.
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.show();
  if (!painted) return {};
  QEventLoop looking;
  QObject::connect(&dialog, &QDialog::finished, &looking, &QEventLoop::quit);
  looking.exec(QEventLoop::DialogExec);
  if (dialog.result() != QDialog::Accepted) return {};
  if (painted && printer.printerState() != QPrinter::Error) return {};
  if (printer.outputFileName().isEmpty())
    return QStringLiteral(u"لم تتم الطباعة: تعذر الإرسال إلى الطابعة «%1».")
        .arg(printer.printerName());
  return NotWritten(printer.outputFileName());
}

}  // namespace numora
